#include "report/system/TRptSystem.h"
#include "support/ScriptedServices.h"

#include <gtest/gtest.h>
#include <limits>

namespace zamt::test {
namespace {

TEST(SystemSettings, SetsKeepTheirElementsInBitOrder) {
    EXPECT_EQ(TSystemSetups::all().bits(), 511);
    EXPECT_EQ(TSystemSetups({TSystemSetup::ssAllowSetup}).bits(), 1);
    EXPECT_EQ(TSystemSetups({TSystemSetup::ssAllowPreviewSetup}).bits(), 256);
    EXPECT_EQ(TSystemSetups::fromBits(0xFFFF), TSystemSetups::all());
    TRptSystem system;
    EXPECT_EQ(system.SystemOptions.bits(), 28);
    EXPECT_EQ(system.SystemSetups.bits(), 511);
    EXPECT_EQ(TSystemOptions({TSystemOption::soNoGenerate}).bits(), 32);
}

TEST(SystemSettings, ConstructorAndRunValues) {
    ScriptedServices services;
    TRptSystem system;
    EXPECT_EQ(system.TitleSetup, "Output Options");
    EXPECT_EQ(system.TitleStatus, "Report Status");
    EXPECT_EQ(system.TitlePreview, "Report Preview");
    EXPECT_EQ(system.DefaultDest, TReportDest::rdPreview);
    EXPECT_TRUE(system.DoNativeOutput);
    EXPECT_EQ(system.RenderObject, nullptr);
    const TSystemPrinter& p = system.SystemPrinter;
    EXPECT_EQ(p.Copies, 1);
    EXPECT_EQ(p.LastPage, 9999);
    EXPECT_EQ(p.StatusFormat, "Printing page %p");
    EXPECT_EQ(p.Title, "Untitled Report");
    EXPECT_EQ(p.LinesPerInch, 6);
    EXPECT_EQ(system.SystemPreview.ShadowDepth(), 0);
    EXPECT_EQ(system.SystemPreview.MarginPercent, 0.0);
    EXPECT_EQ(system.SystemFiler.StreamMode, TStreamMode::smMemory);
    EXPECT_EQ(system.SystemFiler.AccuracyMethod, TAccuracyMethod::amPositioning);
    EXPECT_EQ(system.SystemFiler.StatusFormat, "Generating page %p");

    system.configureForRun({});
    EXPECT_EQ(system.SystemPreview.ShadowDepth(), 5);
    EXPECT_FALSE(system.SystemPreview.Monochrome());
    EXPECT_EQ(system.SystemPreview.MarginPercent, 2.5);
    EXPECT_EQ(system.SystemPreview.GridPen, (RptGridPen{0x00FFFF00, TPenStyle::psSolid}));
    EXPECT_EQ(system.SystemFiler.StreamMode, TStreamMode::smTempFile);
    EXPECT_EQ(system.SystemFiler.AccuracyMethod, TAccuracyMethod::amAppearance);
    EXPECT_FALSE(system.SystemOptions.contains(TSystemOption::soUseFiler));
    EXPECT_TRUE(services.boxes.shown.empty()) << "the run's values raise no message";

    TRptSystem always;
    always.configureForRun({.alwaysGenerate = true});
    EXPECT_EQ(always.SystemOptions.bits(), 29);
}

TEST(SystemSettings, UnitsAndTheirFactorFollowEachOther) {
    struct Case {
        double factor;
        TPrintUnits units;
    };
    for (const Case& c : {Case{1.0, TPrintUnits::unInch}, Case{25.4, TPrintUnits::unMM},
                          Case{2.54, TPrintUnits::unCM}, Case{72.0, TPrintUnits::unPoint},
                          Case{10.0, TPrintUnits::unUser}}) {
        TSystemPrinter p;
        p.setUnitsFactor(c.factor);
        EXPECT_EQ(p.Units(), c.units) << c.factor;
        EXPECT_EQ(p.UnitsFactor(), c.factor);
        if (c.units != TPrintUnits::unUser) {
            TSystemPrinter q;
            q.setUnitsFactor(3.0);
            q.setUnits(c.units);
            EXPECT_EQ(q.UnitsFactor(), c.factor);
        }
    }
    TSystemPrinter p;
    p.setUnits(TPrintUnits::unMM);
    p.setUnitsFactor(0);
    p.setUnitsFactor(-2);
    EXPECT_EQ(p.Units(), TPrintUnits::unMM) << "a factor that is not positive is ignored";
    EXPECT_EQ(p.UnitsFactor(), 25.4);
    p.setUnits(TPrintUnits::unUser);
    EXPECT_EQ(p.UnitsFactor(), 25.4) << "user units keep the factor";
    EXPECT_DOUBLE_EQ(p.inches(50.8), 2.0);
}

TEST(SystemSettings, TabShadeAndZoomAreClamped) {
    struct Case {
        double in, out;
    };
    for (const Case& c : {Case{-5, 0}, Case{0, 0}, Case{55, 55}, Case{100, 100}, Case{101, 100}}) {
        TSystemPrinter p;
        p.setTabShade(int(c.in));
        EXPECT_EQ(p.TabShade(), int(c.out)) << c.in;
    }
    // The preview's zoom factor, of the report system and of the renderer.
    const double infinity = std::numeric_limits<double>::infinity();
    for (const Case& c :
         {Case{5, 10}, Case{9.99, 10}, Case{10, 10}, Case{150.5, 150.5}, Case{195, 195},
          Case{200, 200}, Case{200.01, 200}, Case{500, 200}, Case{-1, 10}, Case{infinity, 200},
          Case{-infinity, 10}, Case{std::numeric_limits<double>::quiet_NaN(), 73}}) {
        RptPreviewSettings v;
        v.setZoomFactor(73);
        v.setZoomFactor(c.in);
        EXPECT_EQ(v.ZoomFactor(), c.out) << c.in; // NaN is no factor and changes nothing
    }
}

TEST(SystemSettings, MonochromeAndShadowsExcludeEachOther) {
    ScriptedServices services;
    TSystemPreview v;
    v.setShadowDepth(3);
    v.setMonochrome(true);
    EXPECT_FALSE(v.Monochrome());
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(services.boxes.shown[0],
              (MessageBox{BoxKind::Plain, kAppTitle,
                          "Monochrome not allowed while shadows are in effect.\n"
                          "Change ShadowDepth to 0 first"}));

    v.setShadowDepth(0);
    v.setMonochrome(true);
    EXPECT_TRUE(v.Monochrome());
    v.setShadowDepth(4);
    EXPECT_EQ(v.ShadowDepth(), 0);
    ASSERT_EQ(services.boxes.shown.size(), 2u);
    EXPECT_EQ(services.boxes.shown[1].text, "Shadows not allowed while monochrome in effect.\n"
                                            "Change Monochrome to false first");
    v.setShadowDepth(0);
    v.setMonochrome(false);
    EXPECT_EQ(services.boxes.shown.size(), 2u) << "turning either off is always allowed";
    v.setShadowDepth(-4);
    EXPECT_EQ(v.ShadowDepth(), 0) << "no depth below 0";
}

} // namespace
} // namespace zamt::test
