#include "designer/handler_code_editor.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QString>
#include <QTextCursor>
#include <QVBoxLayout>

namespace lumora::designer {

std::optional<std::u16string> PlainHandlerCodeEditor::Edit(QWidget* parent,
                                                           const std::u16string& code,
                                                           const std::u16string& handler) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Handler Code"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QPlainTextEdit(&dialog);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The model's lines end in CR LF; the editor shows them as plain lines.
    QString shown = QString::fromStdU16String(code);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text->setPlainText(shown);
    if (!handler.empty()) {
        const QString method = QStringLiteral("PUB ") + QString::fromStdU16String(handler);
        if (text->find(method)) {
            text->moveCursor(QTextCursor::StartOfBlock);
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(640, 480);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    QString edited = text->toPlainText();
    edited.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    edited.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return edited.toStdU16String();
}

}  // namespace lumora::designer
