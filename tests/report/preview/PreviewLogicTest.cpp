// The preview's rules that need no window: picture sizes and fitted zoom
// factors, page navigation, the texts it shows, and the key table.
#include "report/preview/PreviewGeometry.h"
#include "report/preview/PreviewKeys.h"
#include "report/preview/PreviewNavigation.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace zamt {
namespace {

TEST(PreviewGeometry, RoundsHalvesToTheEvenNeighbour) {
    const struct {
        double value;
        int expected;
    } cases[] = {{0.5, 0},          {1.5, 2},
                 {2.5, 2},          {-0.5, 0},
                 {-1.5, -2},        {20.4, 20},
                 {20.6, 21},        {1e300, INT_MAX},
                 {-1e300, INT_MIN}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(rptRound(c.value), c.expected);
    }
}

TEST(PreviewGeometry, MarginAndBitmapSize) {
    RptPreviewLayout run; // the run's values on a 96 ppi screen
    run.shadowDepth = 5;
    run.marginPercent = 2.5;
    const struct {
        const char* what;
        RptPreviewLayout layout;
        double zoom;
        int margin;
        QSize bitmap;
    } cases[] = {
        {"run's values at 100 %", run, 100, 20, {816 + 5, 1056 + 5}},
        {"fixed margin ignores the zoom", run, 50, 20, {408 + 5, 528 + 5}},
        {"scaled margin follows the zoom",
         [&] {
             RptPreviewLayout l = run;
             l.marginMethod = TMarginMethod::mmScaled;
             return l;
         }(),
         50,
         10,
         {408 + 5, 528 + 5}},
        {"rulers add to the bitmap",
         [&] {
             RptPreviewLayout l = run;
             l.rulerWidth = 20;
             l.rulerHeight = 20;
             return l;
         }(),
         110,
         20,
         {898 + 25, 1162 + 25}}, // 897.6 and 1161.6 rounded
        {"window's creation values",
         {96, 8.5, 11, 2, 0, 0, TMarginMethod::mmFixed, 5.0},
         100,
         41,
         {818, 1058}}, // 40.8
        {"a paper of no size", {96, 0, 0, 5, 0, 0, TMarginMethod::mmFixed, 2.5}, 100, 0, {5, 5}},
        {"a paper beyond any screen",
         {96, 1e30f, 1e30f, 5, 0, 0, TMarginMethod::mmFixed, 0},
         100,
         0,
         {1 << 24, 1 << 24}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(previewMargin(c.layout, c.zoom), c.margin);
        EXPECT_EQ(previewBitmapSize(c.layout, c.zoom), c.bitmap);
    }
}

TEST(PreviewGeometry, RulerSizes) {
    EXPECT_EQ(rulerSizes(TRulerType::rtNone), QSize(0, 0));
    EXPECT_EQ(rulerSizes(TRulerType::rtHorizCm), QSize(0, 20));
    EXPECT_EQ(rulerSizes(TRulerType::rtHorizIn), QSize(0, 20));
    EXPECT_EQ(rulerSizes(TRulerType::rtVertCm), QSize(20, 0));
    EXPECT_EQ(rulerSizes(TRulerType::rtVertIn), QSize(20, 0));
    EXPECT_EQ(rulerSizes(TRulerType::rtBothCm), QSize(20, 20));
    EXPECT_EQ(rulerSizes(TRulerType::rtBothIn), QSize(20, 20));
}

// Expected factors worked out by hand from the formulas.
TEST(PreviewGeometry, FitToPageAndToPageWidth) {
    const RptPreviewLayout portrait{96, 8.5, 11, 5, 0, 0, TMarginMethod::mmFixed, 2.5};
    RptPreviewLayout portraitScaled = portrait;
    portraitScaled.marginMethod = TMarginMethod::mmScaled;
    const RptPreviewLayout landscape{120, 11, 8.5, 2, 20, 20, TMarginMethod::mmFixed, 5};
    RptPreviewLayout landscapeScaled = landscape;
    landscapeScaled.marginMethod = TMarginMethod::mmScaled;
    const struct {
        const char* what;
        RptPreviewLayout layout;
        RptScrollBoxMetrics box;
        double page;
        double width;
    } cases[] = {
        // (606 - 40) / 816 and (391 - 40) / 1056; the page is taller than
        // the box at the width's factor: room for the scroll bar.
        {"fixed, low box", portrait, {615, 400, 17, 17, 4, 4}, 33.2386363636, 67.2794117647},
        {"fixed, tall box", portrait, {1200, 2000, 17, 17, 4, 4}, 141.0539215686, 141.0539215686},
        {"fixed, a scroll bar shown already",
         portrait,
         {300, 5000, 17, 17, 21, 4},
         30.7598039216,
         28.6764705882},
        {"scaled, low box", portraitScaled, {615, 400, 17, 17, 4, 4}, 35.6491611962, 68.7441643324},
        {"scaled, tall box",
         portraitScaled,
         {1200, 2000, 17, 17, 4, 4},
         139.0056022409,
         139.0056022409},
        {"fixed, rulers, landscape",
         landscape,
         {800, 600, 16, 16, 2, 2},
         43.3333333333,
         47.5757575758},
        {"scaled, rulers, landscape",
         landscapeScaled,
         {800, 600, 16, 16, 2, 2},
         49.8263888889,
         52.3415977961},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(fitPageZoom(c.layout, c.box), c.page, 1e-9);
        EXPECT_NEAR(fitPageWidthZoom(c.layout, c.box), c.width, 1e-9);
    }
}

TEST(PreviewNavigation, NextAndPreviousWrap) {
    const struct {
        int current;
        int count;
        int step;
        std::optional<int> next;
        std::optional<int> previous;
    } cases[] = {
        {1, 1, 1, std::nullopt, std::nullopt}, // one page: nothing moves
        {1, 3, 1, 2, 3},                       // p on page 1 shows the last
        {2, 3, 1, 3, 1},
        {3, 3, 1, 1, 2},                       // n on the last page shows page 1
        {2, 5, 2, 4, 5},                       // 2 - 2 is not above 0: the last page
        {4, 5, 2, 1, 2},                       // 4 + 2 is beyond: page 1
        {0, 0, 1, std::nullopt, std::nullopt}, // a report without pages
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.current << " of " << c.count << " by " << c.step);
        EXPECT_EQ(nextPageTarget(c.current, c.count, c.step), c.next);
        EXPECT_EQ(previousPageTarget(c.current, c.count, c.step), c.previous);
    }
}

TEST(PreviewNavigation, ClampsPagesAndTellsWhatIsOffered) {
    EXPECT_EQ(clampPage(0, 3), 1);
    EXPECT_EQ(clampPage(-7, 3), 1);
    EXPECT_EQ(clampPage(99, 3), 3);
    EXPECT_EQ(clampPage(99, 0), 99); // page count not known yet
    EXPECT_EQ(clampPage(2, 3), 2);

    EXPECT_FALSE(canMoveBack(1));
    EXPECT_TRUE(canMoveBack(2));
    EXPECT_FALSE(canMoveForward(1, 1));
    EXPECT_FALSE(canMoveForward(3, 3));
    EXPECT_TRUE(canMoveForward(2, 3));
}

TEST(PreviewNavigation, TextsOfTheEditBoxesAndTheGoToAnswer) {
    const struct {
        const char* text;
        int current;
        std::optional<int> goTo;
        std::optional<int> pageEdit;
    } cases[] = {
        {"2", 1, 2, 2},
        {" 3 ", 1, 3, 3},
        {"1", 1, std::nullopt, std::nullopt}, // the current page
        {"0", 1, 0, 0},                       // shown as page 1 by the clamp
        {"-4", 1, std::nullopt, -4},          // not a whole number of 0 or more
        {"99", 1, 99, 99},
        {"+5", 1, 5, 5},
        {"2.0", 1, std::nullopt, std::nullopt},
        {"", 1, std::nullopt, std::nullopt},
        {"abc", 1, std::nullopt, std::nullopt},
        {"+-5", 1, std::nullopt, std::nullopt},
        {"99999999999", 1, INT_MAX, INT_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(goToPageTarget(QString::fromLatin1(c.text), c.current), c.goTo);
        EXPECT_EQ(pageEditTarget(QString::fromLatin1(c.text), c.current), c.pageEdit);
    }
}

TEST(PreviewNavigation, ZoomEditText) {
    const struct {
        const char* text;
        std::optional<double> factor;
    } cases[] = {
        {"110.0", 110},
        {"5", 5},
        {"500", 500},
        {" 75.5 ", 75.5},
        {"100", std::nullopt}, // the current factor
        {"100.0", std::nullopt},
        {"1,5", std::nullopt},
        {"", std::nullopt},
        {"1e3", std::nullopt},
        {"abc", std::nullopt},
        {"-20", -20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(zoomEditTarget(QString::fromLatin1(c.text), 100.0), c.factor);
    }
}

TEST(PreviewNavigation, LabelAndStatusTexts) {
    EXPECT_EQ(pageCountText(5), QStringLiteral("of 5"));
    EXPECT_EQ(pageStatusText(2, 5), QStringLiteral("Page 2 of 5"));
    EXPECT_EQ(zoomText(100), QStringLiteral("100.0"));
    EXPECT_EQ(zoomText(33.2386), QStringLiteral("33.2"));
    EXPECT_EQ(zoomText(200), QStringLiteral("200.0"));
}

TEST(PreviewKeys, ScrollKeys) {
    using K = PreviewScrollKey;
    const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier,
                                shift = Qt::ShiftModifier,
                                ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        K expected;
    } cases[] = {
        {Qt::Key_PageUp, none, K::PageUp},
        {Qt::Key_PageUp, ctrl, K::PageUp},
        {Qt::Key_PageUp, shift, K::None},
        {Qt::Key_PageDown, none, K::PageDown},
        {Qt::Key_PageDown, ctrl, K::PageDown},
        {Qt::Key_Home, none, K::Top},
        {Qt::Key_Home, ctrl, K::Top},
        {Qt::Key_End, none, K::Bottom},
        {Qt::Key_End, ctrl, K::Bottom},
        {Qt::Key_Up, none, K::LineUp},
        {Qt::Key_Up, ctrl, K::LineUp},
        {Qt::Key_Down, none, K::LineDown},
        {Qt::Key_Down, ctrl, K::LineDown},
        {Qt::Key_Down, ctrlShift, K::None},
        {Qt::Key_Left, none, K::None},
        {Qt::Key_Right, none, K::None},
        {Qt::Key_Left, shift, K::None},
        {Qt::Key_Left, ctrl, K::LineLeft},
        {Qt::Key_Right, ctrl, K::LineRight},
        {Qt::Key_Left, ctrlShift, K::PageLeft},
        {Qt::Key_Right, ctrlShift, K::PageRight},
        {Qt::Key_Up, Qt::KeypadModifier, K::LineUp}, // the keypad's arrow
        {Qt::Key_A, none, K::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.key << " " << c.modifiers.toInt());
        EXPECT_EQ(previewScrollKey(c.key, c.modifiers), c.expected);
    }
}

TEST(PreviewKeys, Characters) {
    using C = PreviewCharCommand;
    const struct {
        char16_t c;
        C expected;
    } cases[] = {
        {u'\x1b', C::Exit},      {u'x', C::Exit},    {u'X', C::Drop},    {u'+', C::ZoomIn},
        {u'-', C::ZoomOut},      {u'b', C::First},   {u'B', C::First},   {u'e', C::Last},
        {u'E', C::Last},         {u'f', C::FitPage}, {u'F', C::FitPage}, {u'w', C::FitPageWidth},
        {u'W', C::FitPageWidth}, {u'n', C::Next},    {u'N', C::Next},    {u'p', C::Previous},
        {u'P', C::Previous},     {u'0', C::PassOn},  {u'9', C::PassOn},  {u'.', C::PassOn},
        {u'\r', C::PassOn},      {u'\b', C::PassOn}, {u',', C::Drop},    {u'a', C::Drop},
        {u' ', C::Drop},         {u'\x03', C::Drop}, {u'ж', C::Drop},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.c));
        EXPECT_EQ(previewCharCommand(c.c), c.expected);
    }
}

TEST(PreviewKeys, DigitRulesOfTheEditBoxes) {
    const struct {
        char16_t c;
        const char* text;
        bool selected;
        bool accepted;
    } cases[] = {
        {u'5', "100.0", false, false}, // a decimal is there already
        {u'5', "100.0", true, true},   // typing replaces the selection
        {u'5', "100.", false, true},   // nothing after the point yet
        {u'5', "100", false, true},    {u'.', "100.0", false, true}, // only digits are refused
        {u'\b', "100.0", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << char(c.c) << " into " << c.text);
        EXPECT_EQ(zoomEditAccepts(c.c, QString::fromLatin1(c.text), c.selected), c.accepted);
    }
    EXPECT_FALSE(pageEditAccepts(u'.'));
    EXPECT_TRUE(pageEditAccepts(u'7'));
    EXPECT_TRUE(pageEditAccepts(u'\b'));
}

TEST(PreviewKeys, UpAndDownCrossPages) {
    using P = PreviewLineScroll::Page;
    // Up at the top of page 2 shows page 1 at its bottom; at the top of
    // page 1 it stays; Down at the bottom of page 2 of 3 shows page 3.
    EXPECT_EQ(lineUp(0, 8, 2), (PreviewLineScroll{P::Previous, 0}));
    EXPECT_EQ(lineUp(0, 8, 1), (PreviewLineScroll{P::Same, 0}));
    EXPECT_EQ(lineUp(3, 8, 1), (PreviewLineScroll{P::Same, 0}));
    EXPECT_EQ(lineUp(20, 8, 2), (PreviewLineScroll{P::Same, 12}));
    EXPECT_EQ(lineDown(500, 8, 500, 2, 3), (PreviewLineScroll{P::Next, 0}));
    EXPECT_EQ(lineDown(500, 8, 500, 3, 3), (PreviewLineScroll{P::Same, 500}));
    EXPECT_EQ(lineDown(100, 8, 500, 2, 3), (PreviewLineScroll{P::Same, 108}));
    EXPECT_EQ(lineDown(0, 8, 0, 1, 3), (PreviewLineScroll{P::Next, 0})); // a page that fits
    EXPECT_EQ(lineDown(0, 8, -1, 1, 1), (PreviewLineScroll{P::Same, 0}));

    EXPECT_EQ(scrolledWithin(100, -400, 500), 0);
    EXPECT_EQ(scrolledWithin(100, 400, 500), 500);
    EXPECT_EQ(scrolledWithin(100, 50, 500), 150);
    EXPECT_EQ(scrolledWithin(0, 50, -3), 0);
}

} // namespace
} // namespace zamt
