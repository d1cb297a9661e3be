#include "platform/PaperSizes.h"

#include <QSizeF>

namespace fortunix {

std::optional<QPageSize> PaperOfMillimetres(int width, int height) {
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    // Within a few points: whole millimetres miss the inch sizes by up to half a millimetre.
    const QPageSize::PageSizeId id =
        QPageSize::id(QSizeF(width, height), QPageSize::Millimeter, QPageSize::FuzzyMatch);
    if (id == QPageSize::Custom) {
        return std::nullopt;
    }
    return QPageSize(id);
}

std::optional<QPageSize> PaperOfWindowsCode(int code) {
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (code <= 0 || id == QPageSize::Custom) {
        return std::nullopt;
    }
    return QPageSize(id);
}

}  // namespace fortunix
