#pragma once

#include <QPageSize>
#include <optional>

namespace fortunix {

// The standard paper of `width` by `height` millimetres, as LC_PAPER gives it (rounded to whole
// millimetres: Letter is 216 by 279); nothing for a size no standard paper has.
std::optional<QPageSize> PaperOfMillimetres(int width, int height);

// The paper of a Windows paper code (DMPAPER_A4 is 9, DMPAPER_LETTER 1); nothing for an
// unknown code.
std::optional<QPageSize> PaperOfWindowsCode(int code);

}  // namespace fortunix
