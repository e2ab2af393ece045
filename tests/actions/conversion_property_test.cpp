// Random positions typed into one notation, converted, and read back from all four: every
// number written must read back to the value it shows, and the four copy lines must describe
// the same position to within each notation's rounding.
#include "actions/output_texts.h"
#include "core/field_reading.h"
#include "core/number_text.h"
#include "form_harness.h"

#include <array>
#include <cmath>
#include <limits>
#include <random>

namespace quorvane::test {
namespace {

// Half of the last shown digit of each notation, in degrees.
constexpr double kSecondsStep = 0.0005 / 3600;
constexpr double kMinutesStep = 0.000005 / 60;
constexpr double kDegreesStep = 0.00000005;
constexpr double kSlack = 1e-11; // binary arithmetic on top of the decimal rounding

enum class Source { dd2, dd1, dms, dm };

double numberIn(std::string_view token) {
    if (holdsUnitMark(token)) token = withoutLastCharacter(token);
    const ParseResult r = parseDouble(token);
    if (!r.ok()) ADD_FAILURE() << "not a number: " << token;
    return r.ok() ? r.value : std::numeric_limits<double>::quiet_NaN();
}

// "45° 30' 15.0\" S" -> -45.504166..., "-45.5" -> -45.5
double halfValue(std::string_view half, MarkerStyle style) {
    if (style == MarkerStyle::signs) return numberIn(half);
    double value = 0;
    double unit = 1;
    std::size_t start = 0;
    for (std::size_t blank; (blank = half.find(' ', start)) != std::string_view::npos;
         start = blank + 1, unit /= 60)
        value += numberIn(half.substr(start, blank - start)) * unit;
    const std::string_view letter = half.substr(start);
    return letter == "S" || letter == "W" ? -value : value;
}

// The signed latitude and longitude that a notation's copy line shows.
std::array<double, 2> lineValue(const FormView& view, Notation notation) {
    const std::string line = copyText(view, notation).line;
    const std::size_t comma = line.find(", ");
    const MarkerStyle style = info(notation).markers;
    return {halfValue(std::string_view(line).substr(0, comma), style),
            halfValue(std::string_view(line).substr(comma + 2), style)};
}

class ConversionProperty : public ::testing::Test {
protected:
    std::mt19937_64 rng{20240611};
    Form form;

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

    // A whole part and up to `decimals` typed decimals, with either separator. One in eight
    // ends in nines, where rounding reaches the next unit.
    std::string number(int whole, int decimals) {
        std::string text = std::to_string(whole);
        const bool nines = uniform(0, 7) == 0;
        const int count = nines ? decimals : uniform(0, decimals);
        if (count > 0) text += uniform(0, 1) ? "." : ",";
        for (int i = 0; i < count; ++i)
            text += nines ? '9' : static_cast<char>('0' + uniform(0, 9));
        return text;
    }

    // Decimal degrees as typed: a number, or ten digits without separator that reading folds
    // into range (4599999999 is 45.99999999, more decimals than a separator admits).
    std::string decimalDegrees(int maxDegrees) {
        if (uniform(0, 7) != 0) return number(uniform(0, maxDegrees), 7);
        std::string text = std::to_string(uniform(1, maxDegrees));
        while (text.size() < 10)
            text += uniform(0, 1) ? '9' : static_cast<char>('0' + uniform(0, 9));
        return text;
    }

    // Types one half in the source notation; returns the value typed, as a magnitude.
    double typeHalf(Source source, Half half) {
        const HalfFields& h = halfFields(half);
        const int maxDegrees = half == Half::latitude ? 89 : 179;
        const auto read = [](const std::string& t) { return readField(FieldId::s1, t, 0).value; };
        switch (source) {
        case Source::dd2:
        case Source::dd1: {
            const FieldId field = source == Source::dd2 ? h.G : h.F;
            const std::string t = decimalDegrees(maxDegrees);
            EXPECT_TRUE(form.type(field, t));
            return readField(field, t, 0).value;
        }
        case Source::dms: {
            const int d = uniform(0, maxDegrees), m = uniform(0, 59);
            const std::string s = number(uniform(0, 59), 3);
            EXPECT_TRUE(form.type(h.D, std::to_string(d)));
            EXPECT_TRUE(form.type(h.M, std::to_string(m)));
            EXPECT_TRUE(form.type(h.S, s));
            return d + m / 60.0 + read(s) / 3600;
        }
        case Source::dm: {
            const int d = uniform(0, maxDegrees);
            const std::string n = number(uniform(0, 59), 5);
            EXPECT_TRUE(form.type(h.E, std::to_string(d)));
            EXPECT_TRUE(form.type(h.N, n));
            return d + read(n) / 60;
        }
        }
        return 0;
    }

    // Every number the conversion wrote is the shortest text of the value it reads back as.
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
    constexpr int kPositions = 20000;
    for (int i = 0; i < kPositions; ++i) {
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
                     << " source " << static_cast<int>(source));
        expectTextsReadBack(mode);

        const auto dms = lineValue(form.view, Notation::ddd_mm_sss);
        const auto dm = lineValue(form.view, Notation::ddd_mmmmm);
        const auto dd1 = lineValue(form.view, Notation::dddddddd1);
        const auto dd2 = lineValue(form.view, Notation::dddddddd2);
        for (const Half half : {Half::latitude, Half::longitude}) {
            const std::size_t k = indexOf(half);
            const double want = ((half == Half::latitude ? south : west) ? -1 : 1) * typed[k];
            ASSERT_EQ(dd1[k], dd2[k]);
            switch (source) {
            case Source::dd1:
            case Source::dd2:
                ASSERT_EQ(dd2[k], want);
                ASSERT_LE(std::fabs(dms[k] - want), kSecondsStep + kSlack);
                ASSERT_LE(std::fabs(dm[k] - want), kMinutesStep + kSlack);
                break;
            case Source::dms:
                ASSERT_NEAR(dms[k], want, kSlack);
                ASSERT_LE(std::fabs(dd2[k] - dms[k]), kDegreesStep + kSlack);
                ASSERT_LE(std::fabs(dm[k] - dms[k]), kMinutesStep + kSlack);
                break;
            case Source::dm:
                ASSERT_NEAR(dm[k], want, kSlack);
                ASSERT_LE(std::fabs(dms[k] - dm[k]), kSecondsStep + kSlack);
                ASSERT_LE(std::fabs(dd2[k] - dms[k]), kDegreesStep + kSlack);
                break;
            }
            if (source == Source::dd1 || source == Source::dd2) { // the split carries
                const HalfFields& h = halfFields(half);
                for (const FieldId f : {h.S, h.M, h.N})
                    ASSERT_LT(form.controller.storedValue(f), 60) << form[f];
            }
        }
    }
}

} // namespace
} // namespace quorvane::test
