#include "support/CaptionFit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextLayout>
#include <QToolButton>
#include <QXmlStreamReader>
#include <vector>

namespace zamt::test {
namespace {

struct Box {
    QString name;
    QRect rect;
};

// Every named widget of the layout file that has a geometry of its own.
std::vector<Box> boxesOf(const QString& uiFile) {
    QFile file(uiFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    std::vector<Box> boxes;
    QStringList names; // the widgets open at this point
    QString property;
    int x = 0, y = 0, w = 0, h = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView tag = xml.name();
        if (xml.isStartElement()) {
            if (tag == u"widget")
                names.append(xml.attributes().value("name").toString());
            else if (tag == u"property")
                property = xml.attributes().value("name").toString();
            else if (property == u"geometry" &&
                     (tag == u"x" || tag == u"y" || tag == u"width" || tag == u"height")) {
                const int value = xml.readElementText().toInt();
                (tag == u"x" ? x : tag == u"y" ? y : tag == u"width" ? w : h) = value;
                if (tag == u"height" && !names.isEmpty())
                    boxes.push_back({names.last(), QRect(x, y, w, h)});
            }
        } else if (xml.isEndElement()) {
            if (tag == u"widget" && !names.isEmpty())
                names.removeLast();
            else if (tag == u"property")
                property.clear();
        }
    }
    return boxes;
}

QString textOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->pixmap().isNull() ? label->text() : QString();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text().remove(QLatin1Char('&'));
    return {};
}

// The size the text needs: its widest line, and down to the lowest ink of
// its last line (a descender may reach below the line's box, as in the
// layouts' own font, but no glyph may be cut).
QSize neededSize(QWidget* widget, const QString& text, int width) {
    const QFontMetrics metrics(widget->font());
    const auto* label = qobject_cast<QLabel*>(widget);
    QTextLayout layout(text, widget->font());
    QTextOption option;
    option.setWrapMode(label && label->wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    int widest = 0;
    QString lastLine;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        lastLine = text.mid(line.textStart(), line.textLength()).trimmed();
        widest = std::max(widest, metrics.horizontalAdvance(lastLine));
        y += metrics.lineSpacing();
    }
    layout.endLayout();
    const int lastTop = int(y) - metrics.lineSpacing();
    const int ink = std::max(metrics.ascent(),
                             metrics.ascent() + metrics.tightBoundingRect(lastLine).bottom() + 1);
    return {widest, lastTop + ink};
}

QRect textArea(QWidget* widget, const QRect& box) {
    const QRect local(QPoint(0, 0), box.size());
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const int inset = label->frameWidth() + label->margin();
        return local.adjusted(inset, inset, -inset, -inset);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = local;
        option.text = button->text();
        const auto element = qobject_cast<QCheckBox*>(widget)      ? QStyle::SE_CheckBoxContents
                             : qobject_cast<QRadioButton*>(widget) ? QStyle::SE_RadioButtonContents
                                                                   : QStyle::SE_PushButtonContents;
        return button->style()->subElementRect(element, &option, button);
    }
    return local;
}

// The room the closed box gives its current text (as the style draws it,
// a pixel in from either side of the edit field).
int closedTextWidth(QComboBox* box) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    option.currentText = box->currentText();
    const QRect field =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    return field.width() - 2;
}

} // namespace

QStringList comboItemsThatDoNotShow(QComboBox* box) {
    QStringList faults;
    box->ensurePolished();
    const int current = box->currentIndex();
    const QFontMetrics metrics(box->font());
    for (int i = 0; i < box->count(); ++i) {
        box->setCurrentIndex(i);
        const int needed = metrics.horizontalAdvance(box->itemText(i));
        const int room = closedTextWidth(box);
        if (needed > room)
            faults << QStringLiteral("%1 closed \"%2\": needs %3, has %4")
                          .arg(box->objectName(), box->itemText(i))
                          .arg(needed)
                          .arg(room);
    }
    box->setCurrentIndex(current);

    box->showPopup();
    QAbstractItemView* view = box->view();
    const int room = view->viewport()->width();
    for (int i = 0; i < box->count(); ++i) {
        const int needed = view->sizeHintForIndex(box->model()->index(i, 0)).width();
        if (needed > room)
            faults << QStringLiteral("%1 list \"%2\": needs %3, has %4")
                          .arg(box->objectName(), box->itemText(i))
                          .arg(needed)
                          .arg(room);
    }
    box->hidePopup();
    return faults;
}

QStringList captionsThatDoNotFit(QWidget* window, const QString& uiFile) {
    QStringList faults;
    const std::vector<Box> boxes = boxesOf(uiFile);
    if (boxes.empty())
        faults << QStringLiteral("no boxes read from %1").arg(uiFile);
    for (const Box& box : boxes) {
        QWidget* widget = window->findChild<QWidget*>(box.name);
        if (!widget && window->objectName() == box.name)
            widget = window;
        if (!widget || !(qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)))
            continue;
        const QString text = textOf(widget);
        if (text.isEmpty())
            continue;
        widget->ensurePolished(); // style sheets take effect

        const QRect area = textArea(widget, box.rect);
        const QSize needed = neededSize(widget, text, area.width());
        if (needed.width() > area.width() || needed.height() > area.height())
            faults << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                          .arg(box.name, text)
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(area.width())
                          .arg(area.height());
    }
    return faults;
}

} // namespace zamt::test
