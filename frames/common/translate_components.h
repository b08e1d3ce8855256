// Translation of a form or frame and everything it owns, by the rules the product's
// class names call for. The toolkit knows nothing of them: this reads and writes
// the texts its components publish.
#pragma once

#include <string>

#include "model/zym_utils.h"
#include "ui/component.h"

namespace kxua {

// Nothing for a null root. Otherwise the root's own text (when it is a control),
// then each owned component in order: the caption of the HTML radio buttons, check
// boxes and tab pages; the markup of the HTML label, line breaks kept; each item
// of a combo box (an advanced one then draws its items itself); the text of every
// other control but edit boxes, memos and list boxes; and the items of main and
// popup menus, depth first. Class names compare exactly.
void TranslateComponents(CZYMUtils& utils, ui::Component* root);

}  // namespace kxua
