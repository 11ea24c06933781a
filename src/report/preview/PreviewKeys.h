#pragma once
// The preview window's key table: every key typed anywhere in the window
// comes here before it reaches the focused control; what character a key
// types is platform/TypedCharacter's rule.
#include "platform/TypedCharacter.h"

#include <QString>
#include <Qt>

namespace zamt {

// Keys without a character that scroll the page picture.
enum class PreviewScrollKey {
    None, // not the window's: the focused control gets it
    PageUp,
    PageDown,
    Top,
    Bottom,
    LineUp,
    LineDown,
    LineLeft,
    LineRight,
    PageLeft,
    PageRight,
};
PreviewScrollKey previewScrollKey(int key, Qt::KeyboardModifiers modifiers);

// What a typed character does.
enum class PreviewCharCommand {
    PassOn, // digits, ".", Enter and backspace reach the focused edit box
    Drop,
    Exit,
    ZoomIn,
    ZoomOut,
    First,
    Last,
    FitPage,
    FitPageWidth,
    Next,
    Previous,
};
PreviewCharCommand previewCharCommand(char16_t character);

// ZoomEdit refuses a digit while nothing is selected and the text holds a
// "." with at least one character after it.
bool zoomEditAccepts(char16_t character, const QString& text, bool hasSelection);
// PageEdit refuses ".".
bool pageEditAccepts(char16_t character);

// Where Up and Down take the page picture: a new scroll position, or first
// the previous page scrolled to its bottom, or the next one at its top.
struct PreviewLineScroll {
    enum class Page { Same, Previous, Next };
    Page page = Page::Same;
    int position = 0; // on the same page
    bool operator==(const PreviewLineScroll&) const = default;
};
// `maximum` is the last position the scroll bar reaches.
PreviewLineScroll lineUp(int position, int step, int currentPage);
PreviewLineScroll lineDown(int position, int step, int maximum, int currentPage, int pageCount);
// position + delta, kept between 0 and maximum.
int scrolledWithin(int position, int delta, int maximum);

} // namespace zamt
