#include "ui/RichEdit.h"

namespace ui {

RichEdit::RichEdit() = default;

} // namespace ui
