#include "report/preview/PreviewKeys.h"

#include <algorithm>

namespace zamt {
namespace {

// The numeric keypad flag says where a key lies, not how it is chorded.
Qt::KeyboardModifiers chord(Qt::KeyboardModifiers modifiers) {
    return modifiers &
           (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

} // namespace

PreviewScrollKey previewScrollKey(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers m = chord(modifiers);
    const bool plainOrCtrl = m == Qt::NoModifier || m == Qt::ControlModifier;
    switch (key) {
    case Qt::Key_PageUp:
        return plainOrCtrl ? PreviewScrollKey::PageUp : PreviewScrollKey::None;
    case Qt::Key_PageDown:
        return plainOrCtrl ? PreviewScrollKey::PageDown : PreviewScrollKey::None;
    case Qt::Key_Home:
        return plainOrCtrl ? PreviewScrollKey::Top : PreviewScrollKey::None;
    case Qt::Key_End:
        return plainOrCtrl ? PreviewScrollKey::Bottom : PreviewScrollKey::None;
    case Qt::Key_Up:
        return plainOrCtrl ? PreviewScrollKey::LineUp : PreviewScrollKey::None;
    case Qt::Key_Down:
        return plainOrCtrl ? PreviewScrollKey::LineDown : PreviewScrollKey::None;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const bool left = key == Qt::Key_Left;
        if (m == Qt::ControlModifier)
            return left ? PreviewScrollKey::LineLeft : PreviewScrollKey::LineRight;
        if (m == (Qt::ControlModifier | Qt::ShiftModifier))
            return left ? PreviewScrollKey::PageLeft : PreviewScrollKey::PageRight;
        return PreviewScrollKey::None;
    }
    default:
        return PreviewScrollKey::None;
    }
}

PreviewCharCommand previewCharCommand(char16_t c) {
    switch (c) {
    case CharEscape:
    case u'x':
        return PreviewCharCommand::Exit;
    case u'+':
        return PreviewCharCommand::ZoomIn;
    case u'-':
        return PreviewCharCommand::ZoomOut;
    case u'B':
    case u'b':
        return PreviewCharCommand::First;
    case u'E':
    case u'e':
        return PreviewCharCommand::Last;
    case u'F':
    case u'f':
        return PreviewCharCommand::FitPage;
    case u'W':
    case u'w':
        return PreviewCharCommand::FitPageWidth;
    case u'N':
    case u'n':
        return PreviewCharCommand::Next;
    case u'P':
    case u'p':
        return PreviewCharCommand::Previous;
    case u'.':
    case CharEnter:
    case CharBackspace:
        return PreviewCharCommand::PassOn;
    default:
        return c >= u'0' && c <= u'9' ? PreviewCharCommand::PassOn : PreviewCharCommand::Drop;
    }
}

bool zoomEditAccepts(char16_t c, const QString& text, bool hasSelection) {
    if (c < u'0' || c > u'9' || hasSelection)
        return true;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return point < 0 || point == text.size() - 1;
}

bool pageEditAccepts(char16_t c) {
    return c != u'.';
}

PreviewLineScroll lineUp(int position, int step, int currentPage) {
    const long long target = (long long)position - step;
    if (target < 0 && currentPage > 1)
        return {PreviewLineScroll::Page::Previous, 0};
    return {PreviewLineScroll::Page::Same, int(std::max<long long>(target, 0))};
}

PreviewLineScroll lineDown(int position, int step, int maximum, int currentPage, int pageCount) {
    const long long target = (long long)position + step;
    const int bottom = std::max(maximum, 0);
    if (target > bottom && currentPage < pageCount)
        return {PreviewLineScroll::Page::Next, 0};
    return {PreviewLineScroll::Page::Same, int(std::clamp<long long>(target, 0, bottom))};
}

int scrolledWithin(int position, int delta, int maximum) {
    return int(std::clamp<long long>((long long)position + delta, 0, std::max(maximum, 0)));
}

} // namespace zamt
