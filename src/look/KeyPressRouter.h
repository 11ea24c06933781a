#pragma once
// Routes the characters typed into edit boxes to their window's key-press
// handler, which may change the character in place: 0 cancels it, another
// character is put in instead. What character a key types is
// platform/TypedCharacter's rule. Keys without a character (arrows, Delete)
// and Tab are not handlers' business and pass untouched; so does text that
// reaches a box by another road (its context menu's Paste). Chords that type
// nothing (Alt or Meta with a letter) put nothing in.
#include <QObject>
#include <functional>
#include <map>

class QLineEdit;

namespace zamt {

class KeyPressRouter : public QObject {
public:
    using Handler = std::function<void(char& key)>;
    explicit KeyPressRouter(QObject* parent) : QObject(parent) {}

    void route(QLineEdit* box, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<QObject*, Handler> handlers_;
};

// Gives the focus the way Tab does, so that an edit box selects its whole
// text and typing replaces it.
void moveFocusTo(QWidget* target);

} // namespace zamt
