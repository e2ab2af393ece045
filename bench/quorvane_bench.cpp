// Speed and allocations of the hot paths: one conversion chain, the keystroke filter, number
// texts, and `quorvane convert -` per line. Each benchmark reports the heap allocations it made
// per iteration ("allocs"), counted by the replaced global operator new (allocation_count.cpp).
#include "allocation_count.h"
#include "app/convert_command.h"
#include "app/convert_stream.h"
#include "core/form_controller.h"
#include "core/grid/grid_reference.h"
#include "core/keystroke_filter.h"
#include "core/memory_platform.h"
#include "core/number_text.h"
#include "core/position_reader.h"
#include "screens/main/grid_card.h"
#include "screens/main/main_view_controller.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace quorvane;

// Reports the allocations made since the benchmark's loop began, per iteration.
class AllocationCounter {
public:
    explicit AllocationCounter(benchmark::State& state)
        : state_(state), start_(bench::allocationsSoFar()) {}
    ~AllocationCounter() {
        const auto made = static_cast<double>(bench::allocationsSoFar() - start_);
        state_.counters["allocs"] = benchmark::Counter(made, benchmark::Counter::kAvgIterations);
    }
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

private:
    benchmark::State& state_;
    std::size_t start_;
};

// A form as the screen wires it.
struct Form {
    explicit Form(DecimalMode mode = DecimalMode::point) : format(mode) {
        view.setDelegate(&controller);
    }
    MemoryFormView view;
    MemorySettingsStore settings;
    FixedNumberFormat format;
    FormController controller{view, settings, format};
};

// ---- convertFromField ---------------------------------------------------------------------

// d1 ended with m1 and s1 filled: three steps (d1, m1, s1), each reading all fourteen fields,
// the last converting into the other rows.
void BM_ConvertFromField_DegreesMinutesSeconds(benchmark::State& state) {
    Form form;
    const int tag = info(FieldId::d1).tag;
    AllocationCounter allocations(state);
    for (auto _ : state) {
        form.view.setText(FieldId::d1, "45");
        form.view.setText(FieldId::m1, "30");
        form.view.setText(FieldId::s1, "15");
        form.controller.convertFromField(tag);
        benchmark::DoNotOptimize(form.view.textRef(FieldId::d7).data());
    }
}
BENCHMARK(BM_ConvertFromField_DegreesMinutesSeconds);

// d7 ended: one step that splits the decimal degrees into every other row.
void BM_ConvertFromField_SignedDecimalDegrees(benchmark::State& state) {
    Form form(state.range(0) == 0 ? DecimalMode::point : DecimalMode::comma);
    const int tag = info(FieldId::d7).tag;
    AllocationCounter allocations(state);
    for (auto _ : state) {
        form.view.setText(FieldId::d7, "48.8583701");
        form.controller.convertFromField(tag);
        benchmark::DoNotOptimize(form.view.textRef(FieldId::s1).data());
    }
    state.SetLabel(state.range(0) == 0 ? "point" : "comma");
}
BENCHMARK(BM_ConvertFromField_SignedDecimalDegrees)->Arg(0)->Arg(1);

// ---- Grid references ----------------------------------------------------------------------

// Positions spread over the globe (UPS near the poles included), so no one zone is measured.
const std::vector<std::array<double, 2>>& spreadPositions() {
    static const auto positions = [] {
        std::vector<std::array<double, 2>> p;
        std::mt19937_64 random(11);
        std::uniform_real_distribution<double> latitudes(-90, 90);
        std::uniform_real_distribution<double> longitudes(-180, 180);
        for (int i = 0; i < 1024; ++i)
            p.push_back({latitudes(random), longitudes(random)});
        return p;
    }();
    return positions;
}

// One position to its four references: UTM/UPS, MGRS, Plus Code, Maidenhead.
void BM_GridReferences_WriteAll(benchmark::State& state) {
    const auto& positions = spreadPositions();
    std::size_t i = 0;
    AllocationCounter allocations(state);
    for (auto _ : state) {
        const auto& p = positions[i++ % positions.size()];
        const grid::GridTexts texts = grid::writeAll(p[0], p[1]);
        benchmark::DoNotOptimize(texts.data());
    }
}
BENCHMARK(BM_GridReferences_WriteAll);

// Each system alone (argument: the system's index in screen order).
void BM_GridReferences_Write(benchmark::State& state) {
    const auto& system = grid::gridSystems()[static_cast<std::size_t>(state.range(0))];
    const auto& positions = spreadPositions();
    std::size_t i = 0;
    AllocationCounter allocations(state);
    for (auto _ : state) {
        const auto& p = positions[i++ % positions.size()];
        const grid::GridText text = system.write(p[0], p[1]);
        benchmark::DoNotOptimize(text.chars.data());
    }
    state.SetLabel(std::string(system.name));
}
BENCHMARK(BM_GridReferences_Write)->DenseRange(0, 3);

// Reading each system's reference of the Eiffel Tower.
void BM_GridReferences_Read(benchmark::State& state) {
    const auto& system = grid::gridSystems()[static_cast<std::size_t>(state.range(0))];
    AllocationCounter allocations(state);
    for (auto _ : state) {
        const grid::GridReading reading = system.read(system.example);
        benchmark::DoNotOptimize(reading.latitude);
    }
    state.SetLabel(std::string(system.name));
}
BENCHMARK(BM_GridReferences_Read)->DenseRange(0, 3);

// The screen's chain of an edit: d7 ended on the main screen's controller, the form converted,
// the screen's decorations derived and the grid card (following the form) writing its four
// references.
struct GridScreen {
    struct Nowhere final : Clipboard, UrlOpener, CopyConfirmation, ShareSheet, FormDecorationView {
        void setText(std::string_view) override {}
        void openUrl(std::string_view) override {}
        void showCopied(std::string_view, std::string_view) override {}
        void share(std::string_view, std::string_view) override {}
        void showDecorations(const FormDecorations&) override {}
    };
    GridScreen() { view.setDelegate(&controller); }
    EnglishTranslator translator;
    Nowhere nowhere;
    MemoryFormView view{nullptr};
    MemorySettingsStore settings;
    FixedNumberFormat format{DecimalMode::point};
    MapsChoice mapsChoice{translator};
    MainViewController controller{MainScreenPlatform{view, settings, format, translator, nowhere,
                                                     nowhere, nowhere, nowhere, nowhere},
                                  mapsChoice};
    MemoryGridCardView cardView;
    grid::GridChoice choice;
    GridCard card{GridCardPlatform{cardView, translator, nowhere, nowhere}, controller.form(),
                  choice};
};

void BM_ConvertFromField_WithGridReferences(benchmark::State& state) {
    GridScreen screen;
    screen.view.setText(FieldId::d8, "2.2944813");
    AllocationCounter allocations(state);
    // Two values in turn: leaving a field unchanged converts nothing.
    constexpr std::array<std::string_view, 2> kTyped{"48.8583701", "48.8583702"};
    std::size_t turn = 0;
    for (auto _ : state) {
        screen.view.beginEditing(FieldId::d7);
        screen.view.setText(FieldId::d7, kTyped[turn++ % kTyped.size()]);
        screen.view.endEditing(FieldId::d7);
        benchmark::DoNotOptimize(screen.card.written(grid::GridSystem::utm).data());
    }
}
BENCHMARK(BM_ConvertFromField_WithGridReferences);

// ---- Keystroke filter ---------------------------------------------------------------------

struct Keystroke {
    int tag;
    std::u16string_view current;
    Utf16Range range;
    std::u16string_view replacement;
};

constexpr std::array<Keystroke, 6> kKeystrokes{{
    {0, u"45", {2, 0}, u"6"},            // a third digit of whole degrees
    {2, u"12", {2, 0}, u"."},            // the separator of the seconds
    {7, u"30.2", {4, 0}, u"5"},          // a decimal of the minutes
    {12, u"48.858370", {9, 0}, u"1"},    // the last decimal of decimal degrees
    {10, u"45.5\u00B0", {4, 1}, u""},    // deleting a unit mark
    {9, u"12.34567", {0, 8}, u"12.345"}, // a refused paste
}};

void BM_KeystrokeFilter(benchmark::State& state) {
    AllocationCounter allocations(state);
    for (auto _ : state) {
        for (const Keystroke& k : kKeystrokes)
            benchmark::DoNotOptimize(filterKeystroke(k.tag, k.current, k.range, k.replacement));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kKeystrokes.size()));
}
BENCHMARK(BM_KeystrokeFilter);

// ---- doubleText ---------------------------------------------------------------------------

void BM_DoubleText(benchmark::State& state) {
    // Values as the conversion writes them: degrees to 7 decimals, minutes to 5, seconds to 3,
    // whole values and exponent forms.
    const std::array<double, 8> values{45.5041667, 51.50221,           30.132, 46.0,
                                       5e-05,      12.345678900000003, 0.003,  179.9999999};
    AllocationCounter allocations(state);
    for (auto _ : state) {
        for (const double v : values)
            benchmark::DoNotOptimize(doubleText(v));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_DoubleText);

// ---- Position reader ----------------------------------------------------------------------

// One text of each pattern the reader knows, then one of each shape people copy; the
// benchmark's argument picks it.
constexpr std::array<std::string_view, 34> kPatterns{
    "48.8583701, 2.2944813",
    "45° 30' 15.0\" S, 73° 20' 30.0\" E",
    "48.858222°N 2.294500°E",
    "N 47° 28.350 W 122° 14.525",
    "51° 28′ 40.1″ N, 0° 0′ 5.3″ W",
    "28:55:19N 77:23:14W",
    "40° 26.7717, -79° 56.93172",
    "27.15.45S 153.2.10E",
    "4025.0999N 07438.4668W",
    "402505.994N 0743828.008W",
    "40,446195° 79,948862°",
    "E 44.4 N 33.3",
    "geo:48.8583701,2.2944813;crs=wgs84;u=12?z=17",
    "https://www.openstreetmap.org/directions?engine=fossgis_osrm_car&route=%3B-45.5%2C73.25"
    "#map=16/-45.5/73.25",
    "-45.5, 73.25\nhttps://waze.com/ul?ll=-45.5,73.25",
    "48°51′30″N 2°17′40″E / 48.85833°N 2.29444°E / 48.85833; 2.29444",
    "Latitude: 48.8583701 Longitude: 2.2944813",
    "The summit lies at 45.8326 degrees North and 6.8652 degrees East.",
    "48°51′30″N 2°17′40″E\uFEFF / \uFEFF48.85833°N 2.29444°E\uFEFF / 48.85833; 2.29444[1]",
    "<wpt lat=\"48.8583701\" lon=\"2.2944813\"><ele>35.2</ele><name>Eiffel Tower</name></wpt>",
    "<Point><coordinates>2.2944813,48.8583701,0</coordinates></Point>",
    "{\"type\": \"Point\", \"coordinates\": [2.2944813, 48.8583701]}",
    "{\"name\": \"Eiffel Tower\", \"lat\": 48.8583701, \"lng\": 2.2944813}",
    "name,latitude,longitude\nEiffel Tower,48.8583701,2.2944813",
    "GPS Latitude                    : 48 deg 51' 30.13\" N\n"
    "GPS Longitude                   : 2 deg 17' 40.13\" E",
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47",
    "N0CALL-9>APRS,TCPIP*,qAC,T2EDM:!4903.50N/07201.75W-Test 001234",
    "40-26-46.302N 079-58-55.903W",
    "https://www.google.com/maps/place/Eiffel+Tower/@48.8583701,2.2922926,17z/data=!3m1!4b1!4m6"
    "!3m5!8m2!3d48.8583701!4d2.2944813",
    "https://yandex.ru/maps/?ll=2.294481%2C48.858370&z=17",
    "geo:0,0?q=48.8583701,2.2944813(Eiffel Tower)",
    "UTM 17T 630084mE 4833438mN",
    "MGRS: 31U-DQ-48250-11951",
    "46,8",
};

void BM_ReadPosition(benchmark::State& state) {
    const auto index = static_cast<std::size_t>(state.range(0));
    const std::string_view text = kPatterns[index];
    // The last pattern is one number with a decimal comma, which is refused.
    const bool refused = index + 1 == kPatterns.size();
    if (readPosition(text).ok() == refused) state.SkipWithError("pattern not read as expected");
    AllocationCounter allocations(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(readPosition(text));
    state.SetLabel(std::string(text.substr(0, 40)));
}
BENCHMARK(BM_ReadPosition)->DenseRange(0, kPatterns.size() - 1);

// ---- quorvane convert - ------------------------------------------------------------------

std::vector<std::string> randomPositions(std::size_t count) {
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> latitude(-90, 90);
    std::uniform_real_distribution<double> longitude(-180, 180);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i) {
        std::array<char, 64> line{};
        std::snprintf(line.data(), line.size(), "%.7f, %.7f", latitude(random), longitude(random));
        lines.emplace_back(line.data());
    }
    return lines;
}

// One line of the stream on one thread: read the position, enter it on the reused form, write
// its four copy lines.
void BM_ConvertLine(benchmark::State& state) {
    const std::vector<std::string> lines = randomPositions(1024);
    ConversionForm form(DecimalMode::point);
    std::string output;
    std::size_t next = 0;
    AllocationCounter allocations(state);
    for (auto _ : state) {
        const PositionReading reading = readPosition(lines[next]);
        form.enter(reading);
        output.clear();
        form.appendCopyLines(output, '\t');
        benchmark::DoNotOptimize(output.data());
        next = (next + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertLine);

// The whole `quorvane convert -` on an in-memory input of random positions, with the given
// number of worker threads; items are lines.
void BM_ConvertStream(benchmark::State& state) {
    constexpr std::size_t kLines = 20000;
    std::string input;
    for (const std::string& line : randomPositions(kLines))
        input += line + "\n";
    const auto workers = static_cast<std::size_t>(state.range(0));
    std::FILE* sink = std::fopen("/dev/null", "w");
    const std::size_t allocationsBefore = bench::allocationsSoFar();
    for (auto _ : state) {
        std::FILE* in = fmemopen(input.data(), input.size(), "r");
        benchmark::DoNotOptimize(
            convertPositionStream(in, sink, sink, DecimalMode::point, workers));
        std::fclose(in);
    }
    std::fclose(sink);
    const auto lines = static_cast<double>(state.iterations()) * static_cast<double>(kLines);
    state.counters["allocs/line"] =
        static_cast<double>(bench::allocationsSoFar() - allocationsBefore) / lines;
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLines));
    state.SetLabel(std::to_string(workers) + " worker(s)");
}
BENCHMARK(BM_ConvertStream)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
