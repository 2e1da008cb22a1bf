#include "shell/box_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "shell/qt_text.h"

namespace lumora::shell {

namespace {

const QString kTitle = QStringLiteral("Lumora");
const QString kFilter = QStringLiteral("Lumora Files (*.lmd)");

std::optional<std::filesystem::path> ChosenPath(const QString& name) {
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return PathFromQt(name);
}

}  // namespace

void BoxDialogs::ShowMessage(std::u16string_view text) {
    QMessageBox::warning(parent_, kTitle, ToQt(text));
}

void BoxDialogs::ShowNotice(const QString& text) {
    QMessageBox::information(parent_, kTitle, text);
}

SaveAnswer BoxDialogs::AskSaveChanges(std::u16string_view question) {
    const auto answer = QMessageBox::question(
        parent_, kTitle, ToQt(question), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) {
        return SaveAnswer::Yes;
    }
    return answer == QMessageBox::No ? SaveAnswer::No : SaveAnswer::Cancel;
}

std::optional<std::filesystem::path> BoxDialogs::AskOpenPath() {
    return ChosenPath(QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), {}, kFilter));
}

std::optional<std::filesystem::path> BoxDialogs::AskSavePath(std::u16string_view suggested) {
    return ChosenPath(
        QFileDialog::getSaveFileName(parent_, QStringLiteral("Save As"), ToQt(suggested), kFilter));
}

}  // namespace lumora::shell
