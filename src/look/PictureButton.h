#pragma once
// A button face showing a picture at its own pixel size, centred and cut
// off by the face where the picture is larger, as the layouts' picture
// buttons show their bitmaps (a tool button would scale it down instead).
#include <QPixmap>
#include <QToolButton>

namespace zamt {

class PictureButton : public QToolButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace zamt
