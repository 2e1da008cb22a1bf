#include "shell/caption_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "shell/icons.h"

namespace lumora::shell {

CaptionBar::CaptionBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("captionBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    image_ = new QLabel(this);
    image_->setPixmap(LumoraIcon("caption-info").pixmap(16, 16));
    image_->setToolTip(
        QStringLiteral("<b>Important</b><br>Here is an informational message for the user."));
    text_ = new QLabel(QStringLiteral("A basic from is created with new projects."), this);
    text_->setForegroundRole(QPalette::ToolTipText);
    close_ = new QToolButton(this);
    close_->setObjectName(QStringLiteral("captionBarClose"));
    close_->setAutoRaise(true);
    close_->setIcon(LumoraIcon("close"));
    close_->setToolTip(QStringLiteral("Close"));
    layout->addWidget(image_);
    layout->addWidget(text_, 1);
    layout->addWidget(close_);
    connect(close_, &QToolButton::clicked, this, [this] {
        hide();
        emit closed();
    });
}

}  // namespace lumora::shell
