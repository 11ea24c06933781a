#include "look/CompactCaptions.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>

namespace zamt {
namespace {

class CompactCaptionStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing)
            return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void useCompactCaptionSpacing(QWidget* button) {
    // One style for all such buttons, living as long as the application.
    static QPointer<CompactCaptionStyle> style;
    if (!style) {
        style = new CompactCaptionStyle;
        style->setParent(qApp);
    }
    button->setStyle(style);
}

} // namespace zamt
