// The preview window's keys: every key typed in the window comes to its
// handlers before the focused control sees it (see PreviewKeys.h).
#include "platform/HandlerGuard.h"
#include "platform/TypedCharacter.h"
#include "report/preview/PreviewKeys.h"
#include "report/preview/TRptPreviewForm.h"
#include "report/preview/TRptScrollBox.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace zamt {

bool TRptPreviewForm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::FocusOut)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    // A key the focused control leaves travels on to its parents; it is
    // the window's once, when it reaches the focused control.
    const QWidget* focus = QApplication::focusWidget();
    if (type != QEvent::FocusOut && focus && focus->window() == this && widget != focus)
        return false;

    if (type == QEvent::FocusOut) {
        // Leaving a box for another control applies it; a menu or another
        // window taking the focus for a while does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            if (watched == PageEdit)
                runGuarded([this] { PageEditExit(); });
            else if (watched == ZoomEdit)
                runGuarded([this] { ZoomEditExit(); });
        }
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        // The shortcuts of enabled actions come first, also where an edit
        // box would take the key for itself.
        return isShortcutOfEnabledAction(key);
    }
    // A handler that fails has handled its key all the same.
    bool handled = true;
    runGuarded([&] { handled = FormKeyDown(key) || FormKeyPress(watched, key); });
    return handled;
}

bool TRptPreviewForm::isShortcutOfEnabledAction(const QKeyEvent* event) const {
    const QKeySequence pressed(event->keyCombination());
    for (const QAction* a : actions())
        if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == pressed)
            return true;
    return false;
}

bool TRptPreviewForm::FormKeyDown(QKeyEvent* event) {
    const PreviewScrollKey key = previewScrollKey(event->key(), event->modifiers());
    if (key == PreviewScrollKey::None)
        return false;
    QScrollBar* down = ScrollBox1->verticalScrollBar();
    QScrollBar* across = ScrollBox1->horizontalScrollBar();
    switch (key) {
    case PreviewScrollKey::PageUp:
        down->setValue(scrolledWithin(down->value(), -ScrollBox1->height(), down->maximum()));
        break;
    case PreviewScrollKey::PageDown:
        down->setValue(scrolledWithin(down->value(), ScrollBox1->height(), down->maximum()));
        break;
    case PreviewScrollKey::Top:
        down->setValue(0);
        break;
    case PreviewScrollKey::Bottom:
        down->setValue(down->maximum());
        break;
    case PreviewScrollKey::LineUp: {
        const PreviewLineScroll to =
            lineUp(down->value(), down->singleStep(), renderPreview_.currentPage());
        if (to.page == PreviewLineScroll::Page::Previous) {
            renderPreview_.previousPage();
            down->setValue(down->maximum());
        } else {
            down->setValue(to.position);
        }
        break;
    }
    case PreviewScrollKey::LineDown: {
        const PreviewLineScroll to = lineDown(down->value(), down->singleStep(), down->maximum(),
                                              renderPreview_.currentPage(), renderPreview_.pages());
        if (to.page == PreviewLineScroll::Page::Next) {
            renderPreview_.nextPage();
            down->setValue(0);
        } else {
            down->setValue(to.position);
        }
        break;
    }
    case PreviewScrollKey::LineLeft:
        across->setValue(scrolledWithin(across->value(), -across->singleStep(), across->maximum()));
        break;
    case PreviewScrollKey::LineRight:
        across->setValue(scrolledWithin(across->value(), across->singleStep(), across->maximum()));
        break;
    case PreviewScrollKey::PageLeft:
        across->setValue(scrolledWithin(across->value(), -ScrollBox1->width(), across->maximum()));
        break;
    case PreviewScrollKey::PageRight:
        across->setValue(scrolledWithin(across->value(), ScrollBox1->width(), across->maximum()));
        break;
    case PreviewScrollKey::None:
        break;
    }
    return true;
}

bool TRptPreviewForm::FormKeyPress(QObject* receiver, QKeyEvent* event) {
    const auto character = typedCharacter(event->key(), event->modifiers(), event->text());
    if (!character)
        return false;
    const PreviewCharCommand command = previewCharCommand(*character);
    if (command == PreviewCharCommand::PassOn)
        return editBoxKeyPress(receiver, *character);
    // Whatever the window does with the character, typing afterwards
    // replaces the boxes' texts.
    struct SelectAfterwards {
        TRptPreviewForm* form;
        ~SelectAfterwards() { form->selectEditTexts(); }
    } select{this};
    switch (command) {
    case PreviewCharCommand::Exit:
        actnFile_ExitExecute();
        break;
    case PreviewCharCommand::ZoomIn:
        actnZoom_InExecute();
        break;
    case PreviewCharCommand::ZoomOut:
        actnZoom_OutExecute();
        break;
    case PreviewCharCommand::First:
        actnPage_FirstExecute();
        break;
    case PreviewCharCommand::Last:
        actnPage_LastExecute();
        break;
    case PreviewCharCommand::FitPage:
        actnZoom_PageExecute();
        break;
    case PreviewCharCommand::FitPageWidth:
        actnZoom_PageWidthExecute();
        break;
    case PreviewCharCommand::Next:
        actnPage_NextExecute();
        break;
    case PreviewCharCommand::Previous:
        actnPage_PreviousExecute();
        break;
    case PreviewCharCommand::Drop:
    case PreviewCharCommand::PassOn:
        break;
    }
    return true;
}

// The character goes on to the focused box, which may refuse it; Enter
// applies the box.
bool TRptPreviewForm::editBoxKeyPress(QObject* receiver, char16_t character) {
    if (receiver == ZoomEdit) {
        if (character == CharEnter) {
            ZoomEditExit();
            ZoomEdit->selectAll();
            return true;
        }
        return !zoomEditAccepts(character, ZoomEdit->text(), ZoomEdit->hasSelectedText());
    }
    if (receiver == PageEdit) {
        if (character == CharEnter) {
            PageEditExit();
            PageEdit->selectAll();
            return true;
        }
        return !pageEditAccepts(character);
    }
    return false;
}

void TRptPreviewForm::selectEditTexts() {
    PageEdit->selectAll();
    ZoomEdit->selectAll();
}

} // namespace zamt
