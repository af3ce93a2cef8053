#pragma once

#include <vector>

#include "window/model/controls_fwd.hpp"

namespace tarvel {
class Form;
}

namespace tarvel::win32 {

// Buttons, fields, boxes and the check box: the children a user works in. A label or the rose is
// only read.
bool isInput(const Control& control);

// The order the children are created in, every control that has a window of its own. The inputs
// come in the form's Tab order, since IsDialogMessageW walks the children in that order; each
// comes after the labels the design writes just before it; the hidden label of its purpose then
// goes between (purpose_labels.hpp), where MSAA looks for its name.
std::vector<Control*> inWindowOrder(const Form& form);

}  // namespace tarvel::win32
