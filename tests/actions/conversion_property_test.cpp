// Random positions typed into one notation, converted, and read back from all four: every
// number written reads back to the value it shows, the four copy lines describe the same
// position to within each notation's rounding, and the position reader reads every copy line,
// share text and maps link back to the place it shows.
#include "actions/output_texts.h"
#include "actions/share_actions.h"
#include "core/field_reading.h"
#include "core/number_text.h"
#include "core/position_reader.h"
#include "form_harness.h"
#include "tests/support/copy_lines.h"

#include <array>
#include <cmath>
#include <random>

namespace quorvane::test {
namespace {

// Half of the last shown digit of each notation, in degrees, and the binary arithmetic on top.
constexpr double kSecondsStep = 0.0005 / 3600;
constexpr double kMinutesStep = 0.000005 / 60;
constexpr double kDegreesStep = 0.00000005;
constexpr double kSlack = 1e-11;

enum class Source { dd2, dd1, dms, dm };

// The reader gives the place the text shows.
void expectReadsBack(const std::string& text, const std::array<double, 2>& shown) {
    const PositionReading r = readPosition(text);
    ASSERT_TRUE(r.ok()) << text << ": " << describeError(r);
    ASSERT_NEAR(r.point.latitude, shown[0], kSlack) << text;
    ASSERT_NEAR(r.point.longitude, shown[1], kSlack) << text;
}

// Every copy line, the share text, each maps link and the text with its link read back.
void expectOutputsReadBack(const FormView& view) {
    for (const NotationInfo& n : kNotations)
        expectReadsBack(copyText(view, n.id).line, lineValue(view, n.id));
    const std::array<double, 2> shown = lineValue(view, Notation::dddddddd2);
    const MapsPosition position = mapsPosition(view);
    expectReadsBack(shareText(position), shown);
    for (const MapsAppInfo& app : kMapsApps) {
        expectReadsBack(mapsURL(app.id, position), shown);
        expectReadsBack(textAndLink({shareText(position), mapsURL(app.id, position)}), shown);
    }
}

class ConversionProperty : public ::testing::Test {
protected:
    std::mt19937_64 rng{20240611};
    Form form;

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

    // A whole part and up to `decimals` decimals after either separator; one in eight ends in
    // nines, where rounding reaches the next unit.
    std::string number(int whole, int decimals) {
        std::string text = std::to_string(whole);
        const bool nines = uniform(0, 7) == 0;
        const int count = nines ? decimals : uniform(0, decimals);
        if (count > 0) text += uniform(0, 1) ? "." : ",";
        for (int i = 0; i < count; ++i)
            text += nines ? '9' : char('0' + uniform(0, 9));
        return text;
    }

    // Types one half in the source notation; returns the magnitude typed.
    double typeHalf(Source source, Half half) {
        const HalfFields& h = halfFields(half);
        const int maxDegrees = half == Half::latitude ? 89 : 179;
        const auto read = [](FieldId f, const std::string& t) { return readField(f, t, 0).value; };
        const int d = uniform(0, maxDegrees);
        if (source == Source::dms) {
            const int m = uniform(0, 59);
            const std::string s = number(uniform(0, 59), 3);
            EXPECT_TRUE(form.type(h.D, std::to_string(d)) && form.type(h.M, std::to_string(m)) &&
                        form.type(h.S, s));
            return d + m / 60.0 + read(h.S, s) / 3600;
        }
        if (source == Source::dm) {
            const std::string n = number(uniform(0, 59), 5);
            EXPECT_TRUE(form.type(h.E, std::to_string(d)) && form.type(h.N, n));
            return d + read(h.N, n) / 60;
        }
        // Decimal degrees, or ten digits without separator that reading folds into range.
        std::string t = number(d, 7);
        if (uniform(0, 7) == 0)
            for (t = std::to_string(std::max(d, 1)); t.size() < 10;)
                t += uniform(0, 1) ? '9' : char('0' + uniform(0, 9));
        const FieldId field = source == Source::dd2 ? h.G : h.F;
        EXPECT_TRUE(form.type(field, t));
        return read(field, t);
    }

    // Every number written is the shortest text of the value it reads back as.
    void expectTextsReadBack(DecimalMode mode) {
        form.controller.readFieldValues();
        for (const FieldInfo& f : kFields) {
            const std::string shown = form[f.id];
            const std::string_view body =
                holdsUnitMark(shown) ? withoutLastCharacter(shown) : std::string_view(shown);
            const ParseResult r = parseDouble(normalisedText(body));
            ASSERT_TRUE(r.ok()) << f.name << " shows " << shown;
            if (kindInfo(f.id).admitsSeparator)
                ASSERT_EQ(localDoubleText(r.value, mode).view(), body) << f.name;
            else
                ASSERT_EQ(r.value, std::trunc(r.value)) << f.name << " shows " << shown;
            ASSERT_EQ(form.controller.storedValue(f.id), r.value) << f.name << " shows " << shown;
        }
    }
};

TEST_F(ConversionProperty, AllNotationsShowTheTypedPosition) {
    for (int i = 0; i < 20000; ++i) {
        const auto source = static_cast<Source>(uniform(0, 3));
        const DecimalMode mode = uniform(0, 1) ? DecimalMode::comma : DecimalMode::point;
        form.format.setMode(mode);
        const int south = uniform(0, 1), west = uniform(0, 1);
        form.view.setSelectedIndex(SelectorId::c5, south);
        form.controller.changeNS(SelectorId::c5);
        form.view.setSelectedIndex(SelectorId::c4, west);
        form.controller.changeEW(SelectorId::c4);

        const double typed[2] = {typeHalf(source, Half::latitude),
                                 typeHalf(source, Half::longitude)};
        form.view.endEditing(*form.view.editingField());
        SCOPED_TRACE(::testing::Message()
                     << "position " << i << ": " << form[FieldId::d7] << ", " << form[FieldId::d8]
                     << " from " << static_cast<int>(source));
        expectTextsReadBack(mode);

        expectOutputsReadBack(form.view);
        const auto dms = lineValue(form.view, Notation::ddd_mm_sss);
        const auto dm = lineValue(form.view, Notation::ddd_mmmmm);
        const auto dd1 = lineValue(form.view, Notation::dddddddd1);
        const auto dd2 = lineValue(form.view, Notation::dddddddd2);
        for (const std::size_t k : {0, 1}) {
            const double want = ((k == 0 ? south : west) ? -1 : 1) * typed[k];
            ASSERT_EQ(dd1[k], dd2[k]);
            const bool fromDecimals = source == Source::dd1 || source == Source::dd2;
            // The source's own line shows what was typed; the others are within its rounding.
            const double shown = source == Source::dms  ? dms[k]
                                 : source == Source::dm ? dm[k]
                                                        : dd2[k];
            ASSERT_NEAR(shown, want, fromDecimals ? 0 : kSlack);
            ASSERT_LE(std::fabs(dms[k] - shown), kSecondsStep + kSlack);
            ASSERT_LE(std::fabs(dm[k] - shown), kMinutesStep + kSlack);
            ASSERT_LE(std::fabs(dd2[k] - dms[k]),
                      (fromDecimals ? kSecondsStep : kDegreesStep) + kSlack);
            const HalfFields& h = halfFields(k == 0 ? Half::latitude : Half::longitude);
            for (const FieldId f : {h.S, h.M, h.N}) // a carry never leaves 60 behind
                ASSERT_LT(form.controller.storedValue(f), 60) << form[f];
        }
    }
}

} // namespace
} // namespace quorvane::test
