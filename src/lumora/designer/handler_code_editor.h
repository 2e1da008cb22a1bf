#pragma once

#include <optional>
#include <string>

class QWidget;

namespace lumora::designer {

// Where the view opens the handler code: the code editor fills this seam; tests fake it.
class HandlerCodeEditor {
  public:
    virtual ~HandlerCodeEditor() = default;
    // The edited custom code when the user accepted, nothing when cancelled.
    virtual std::optional<std::u16string> Edit(QWidget* parent, const std::u16string& code,
                                               const std::u16string& handler) = 0;
};

// Until the code editor exists: a plain modal text editor on the whole custom code, with the
// cursor on the handler's method.
class PlainHandlerCodeEditor : public HandlerCodeEditor {
  public:
    std::optional<std::u16string> Edit(QWidget* parent, const std::u16string& code,
                                       const std::u16string& handler) override;
};

}  // namespace lumora::designer
