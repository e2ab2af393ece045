// `quorvane convert -` under arbitrary input, with one to three worker threads and tiny blocks,
// so that a small input crosses many blocks, reads and workers. Each input line gives exactly
// one output line, in order: the line's own conversion, or an empty line, and a message naming
// that line exactly where a line comes out empty.
#include "fuzz_require.h"
#include "app/convert_command.h"
#include "app/convert_stream.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

using namespace quorvane;

using fuzz::require;

// What the stream must write for one line, from the reader and a form of our own.
std::string expectedLine(std::string_view line, ConversionForm& form) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string out;
    if (line.size() > kMaxPositionLineLength) return out;
    const PositionReading reading = readPosition(line);
    if (!reading.ok()) return out;
    form.enter(reading);
    form.appendCopyLines(out, '\t');
    return out;
}

// A memory stream's text once it is closed.
struct MemoryOutput {
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* file = open_memstream(&data, &size);

    std::string close() {
        std::fclose(file);
        std::string text(data, size);
        std::free(data);
        return text;
    }
};

// The line numbers the messages name ("quorvane convert: line N: ...").
std::set<std::size_t> linesNamed(const std::string& messages) {
    constexpr std::string_view kPrefix = "quorvane convert: line ";
    std::set<std::size_t> named;
    for (std::size_t start = 0; start < messages.size();) {
        const std::size_t end = messages.find('\n', start);
        require(end != std::string::npos, "every message ends its line");
        const std::string_view message(messages.data() + start, end - start);
        require(message.starts_with(kPrefix), "every message names its line");
        named.insert(std::strtoull(message.data() + kPrefix.size(), nullptr, 10));
        start = end + 1;
    }
    return named;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ConversionForm pointForm(DecimalMode::point);
    static ConversionForm commaForm(DecimalMode::comma);
    constexpr std::size_t kSettings = 2;
    if (size < kSettings) return 0;
    const std::size_t workers = 1 + data[0] % 3;
    const DecimalMode mode = (data[0] & 0x10) != 0 ? DecimalMode::comma : DecimalMode::point;
    const std::size_t blockBytes = 1 + data[1];
    const std::string_view text(reinterpret_cast<const char*>(data) + kSettings, size - kSettings);

    // A file has a descriptor (read as it comes); a stream in memory has none (read in chunks).
    std::FILE* in = (data[0] & 0x20) != 0 || text.empty()
                        ? std::tmpfile()
                        : fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    require(in != nullptr, "an input stream");
    if ((data[0] & 0x20) != 0 || text.empty()) {
        std::fwrite(text.data(), 1, text.size(), in);
        std::rewind(in);
    }
    MemoryOutput out, err;
    const StreamOutcome outcome =
        convertPositionStream(in, out.file, err.file, mode, workers, blockBytes);
    std::fclose(in);
    const std::string output = out.close();
    const std::string messages = err.close();

    ConversionForm& form = mode == DecimalMode::comma ? commaForm : pointForm;
    std::string expected;
    std::set<std::size_t> emptyLines;
    std::size_t lineNumber = 1;
    for (std::string_view rest = text; !rest.empty(); ++lineNumber) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string line = expectedLine(rest.substr(0, end), form);
        if (line.empty()) emptyLines.insert(lineNumber);
        expected += line + '\n';
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    require(output == expected, "each input line gives its own output line, in order");
    require(linesNamed(messages) == emptyLines, "a message exactly where a line comes out empty");
    require(outcome == (emptyLines.empty() ? StreamOutcome::allConverted
                                           : StreamOutcome::someLinesUnread),
            "the outcome says whether every line was read");
    return 0;
}
