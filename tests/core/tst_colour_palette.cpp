// The colour-blind palette keeps apart every pair of colours the user must tell
// apart, under simulated deuteranopia and protanopia. Simulation: Machado, Oliveira
// & Fernandes 2009, "A Physiologically-based Model for Simulation of Color Vision
// Deficiency", matrices for severity 1.0, applied to linear sRGB. Difference: CIE76
// ΔE*ab in CIELAB (sRGB, D65 white).
#include <QTest>
#include <array>
#include <cmath>

#include "keyboard/colour_palette.h"

Q_DECLARE_METATYPE(teclarium::TRgb)

using namespace teclarium;

namespace {

using TMatrix = std::array<std::array<double, 3>, 3>;
constexpr TMatrix kNormal{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
constexpr TMatrix kDeuteranopia{
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr TMatrix kProtanopia{
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
// The least ΔE76 between colours to be told apart at a glance.
constexpr double kMinimumDifference = 20.0;
// The standard grey of a key face (Qt's default button colour), for the standard palette.
constexpr TRgb kStyleFace{0xEF, 0xEF, 0xEF};

double Linear(std::uint8_t c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

std::array<double, 3> Lab(TRgb colour, const TMatrix& vision) {
    const std::array<double, 3> in{Linear(colour.R), Linear(colour.G), Linear(colour.B)};
    std::array<double, 3> rgb{};
    for (std::size_t i = 0; i < 3; ++i)
        rgb[i] = std::clamp(vision[i][0] * in[0] + vision[i][1] * in[1] + vision[i][2] * in[2], 0.0, 1.0);
    const double x = (0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2]) / 0.95047;
    const double y = 0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2];
    const double z = (0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2]) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double Difference(TRgb a, TRgb b, const TMatrix& vision) {
    const auto p = Lab(a, vision), q = Lab(b, vision);
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
    void colourBlindPairsStayApart_data() {
        QTest::addColumn<TRgb>("a");
        QTest::addColumn<TRgb>("b");
        for (const TPair& pair : PairsToTellApart(true)) QTest::newRow(pair.Name) << pair.A << pair.B;
    }
    void colourBlindPairsStayApart() {
        QFETCH(TRgb, a);
        QFETCH(TRgb, b);
        for (const TMatrix* vision : {&kNormal, &kDeuteranopia, &kProtanopia}) {
            const double d = Difference(a, b, *vision);
            QVERIFY2(d >= kMinimumDifference, qPrintable(QString("ΔE %1").arg(d, 0, 'f', 1)));
        }
    }

    // For comparison only: the standard colours need not pass, which is why the
    // colour-blind palette exists.
    void standardPaletteForComparison() {
        for (const TPair& pair : PairsToTellApart(false))
            qInfo("standard %s: ΔE normal %.1f, deuteranopia %.1f, protanopia %.1f", pair.Name,
                  Difference(pair.A, pair.B, kNormal), Difference(pair.A, pair.B, kDeuteranopia),
                  Difference(pair.A, pair.B, kProtanopia));
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
