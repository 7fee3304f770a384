// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The colour-blind palette keeps apart every pair of colours the user must tell
// apart, under simulated deuteranopia and protanopia. Simulation: Machado, Oliveira
// & Fernandes 2009, "A Physiologically-based Model for Simulation of Color Vision
// Deficiency", matrices for severity 1.0, applied to linear sRGB. Difference: CIE76
// ΔE*ab in CIELAB (sRGB, D65 white).
#include <QTest>
#include <array>
#include <cmath>

#include "../support/colour_vision.h"
#include "keyboard/colour_palette.h"

Q_DECLARE_METATYPE(teclarium::TRgb)

using namespace teclarium;

namespace {

using test::TVision;
// The least ΔE76 between colours to be told apart at a glance.
constexpr double kMinimumDifference = 20.0;
// The standard grey of a key face (Qt's default button colour), for the standard palette.
constexpr TRgb kStyleFace{0xEF, 0xEF, 0xEF};

double Difference(TRgb a, TRgb b, const TVision& vision) {
    const auto p = test::Lab(a.R, a.G, a.B, vision), q = test::Lab(b.R, b.G, b.B, vision);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

struct TPair {
    const char* Name;
    TRgb A, B;
};

// The colours the user must tell apart: the two finger zones, the lamp against each
// zone and against an unlit face, each zone against the face it frames, and the
// heat scale's neighbouring classes, a quarter of the scale apart.
std::vector<TPair> PairsToTellApart(bool colourBlind) {
    const TKeyboardPalette& p = KeyboardPalette(colourBlind);
    const TRgb face = p.Face.value_or(kStyleFace);
    const TRgb zone0 = ZoneColour(p, TZone::Yellow), zone1 = ZoneColour(p, TZone::Lime);
    std::vector<TPair> pairs{{"zone / zone", zone0, zone1},         {"lamp / first zone", p.Lamp, zone0},
                             {"lamp / second zone", p.Lamp, zone1}, {"lamp / face", p.Lamp, face},
                             {"first zone / face", zone0, face},    {"second zone / face", zone1, face}};
    static const char* const kHeatNames[] = {"heat 0-25 %", "heat 25-50 %", "heat 50-75 %", "heat 75-100 %"};
    for (int i = 0; i < 4; ++i)
        pairs.push_back(
            {kHeatNames[i], HeatColour(i / 4.0, colourBlind), HeatColour((i + 1) / 4.0, colourBlind)});
    return pairs;
}

}  // namespace

class TestColourPalette : public QObject {
    Q_OBJECT

  private slots:
    // The colour-blind palette keeps its pairs apart under every vision; the standard
    // one under normal vision only (which is why the colour-blind one exists).
    void pairsStayApart_data() {
        QTest::addColumn<TRgb>("a");
        QTest::addColumn<TRgb>("b");
        QTest::addColumn<bool>("colourBlind");
        for (const bool colourBlind : {true, false})
            for (const TPair& pair : PairsToTellApart(colourBlind))
                QTest::addRow("%s: %s", colourBlind ? "colour-blind" : "standard", pair.Name)
                    << pair.A << pair.B << colourBlind;
    }
    void pairsStayApart() {
        QFETCH(TRgb, a);
        QFETCH(TRgb, b);
        QFETCH(bool, colourBlind);
        for (const TVision* vision : {&test::kNormalVision, &test::kDeuteranopia, &test::kProtanopia}) {
            if (!colourBlind && vision != &test::kNormalVision) break;
            const double d = Difference(a, b, *vision);
            QVERIFY2(d >= kMinimumDifference, qPrintable(QString("ΔE %1").arg(d, 0, 'f', 1)));
        }
    }

    // Between the marked points: the standard hue scale, the colour-blind classes blended.
    void heatScaleBetweenClasses_data() {
        QTest::addColumn<bool>("colourBlind");
        QTest::addColumn<double>("t");
        QTest::addColumn<TRgb>("colour");
        QTest::newRow("standard, a third: hue 80°") << false << 1.0 / 3 << TRgb{191, 255, 64};
        QTest::newRow("colour-blind, an eighth") << true << 0.125 << TRgb{0x6C, 0xAA, 0xD0};
        QTest::newRow("colour-blind, past the worst") << true << 1.5 << TRgb{0xD7, 0x19, 0x1C};
    }
    void heatScaleBetweenClasses() {
        QFETCH(bool, colourBlind);
        QFETCH(double, t);
        QTEST(HeatColour(t, colourBlind), "colour");
    }
};

QTEST_APPLESS_MAIN(TestColourPalette)
#include "tst_colour_palette.moc"
