#include "convert_stream.h"

#include "convert_command.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace quorvane {

namespace {

// Input is read in chunks of this size, and a block of lines holds about as much.
constexpr std::size_t kChunkSize = std::size_t{1} << 16;
// A few blocks per worker keep every worker busy while the finished ones are written.
constexpr std::size_t kBlocksPerWorker = 2;
constexpr std::size_t kMaxWorkers = 8;

// Whole lines of input and, once converted, their output.
struct Block {
    std::string input;                 // every line ends in "\n"
    std::vector<std::size_t> overlong; // which lines (from 0) were too long; stored empty
    std::size_t firstLine = 0;         // the input line number of the first line (from 1)
    std::string output;
    std::string messages;
    bool allRead = true;
    bool converted = false;
};

// Reads the input in large chunks and hands out whole lines, never storing more than
// kMaxPositionLineLength + 1 bytes of one.
class ChunkedInput {
public:
    explicit ChunkedInput(std::FILE* in) : in_(in), chunk_(kChunkSize) {}

    // Appends the next line and "\n" to `out`. An overlong line is appended empty and flagged.
    // False at the end of the input.
    bool appendLine(std::string& out, bool& overlong) {
        constexpr std::size_t kKept = kMaxPositionLineLength + 1; // enough to tell it is too long
        overlong = false;
        const std::size_t start = out.size();
        bool any = false;
        for (;;) {
            if (begin_ == end_ && !refill()) {
                if (!any) return false;
                break; // a last line without "\n"
            }
            any = true;
            const char* first = chunk_.data() + begin_;
            const std::size_t available = end_ - begin_;
            const auto* newline = static_cast<const char*>(std::memchr(first, '\n', available));
            const std::size_t length =
                newline ? static_cast<std::size_t>(newline - first) : available;
            const std::size_t room = kKept - std::min(out.size() - start, kKept);
            if (length > room) overlong = true;
            out.append(first, std::min(length, room));
            begin_ += newline ? length + 1 : length;
            if (newline) break;
        }
        if (out.size() > start && out.back() == '\r') out.pop_back();
        if (out.size() - start > kMaxPositionLineLength) overlong = true;
        if (overlong) out.resize(start);
        out += '\n';
        return true;
    }

    bool failed() const { return std::ferror(in_) != 0; }

private:
    bool refill() {
        if (std::feof(in_) || std::ferror(in_)) return false;
        begin_ = 0;
        end_ = std::fread(chunk_.data(), 1, chunk_.size(), in_);
        return end_ > 0;
    }

    std::FILE* in_;
    std::vector<char> chunk_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

// Fills a block with the next lines; how many (0 when the input had no more).
std::size_t fillBlock(ChunkedInput& input, Block& block, std::size_t firstLine) {
    block.input.clear();
    block.overlong.clear();
    block.output.clear();
    block.messages.clear();
    block.allRead = true;
    block.converted = false;
    block.firstLine = firstLine;
    std::size_t lines = 0;
    bool overlong = false;
    while (block.input.size() < kChunkSize && input.appendLine(block.input, overlong)) {
        if (overlong) block.overlong.push_back(lines);
        ++lines;
    }
    return lines;
}

void convertBlock(Block& block, ConversionForm& form) {
    std::string_view rest = block.input;
    auto overlong = block.overlong.begin();
    for (std::size_t k = 0; !rest.empty(); ++k) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        const std::size_t lineNumber = block.firstLine + k;
        if (overlong != block.overlong.end() && *overlong == k) {
            ++overlong;
            block.messages += overlongLineMessage(lineNumber);
            block.allRead = false;
        } else if (const PositionReading reading = readPosition(line); reading.ok()) {
            form.enter(reading);
            form.appendCopyLines(block.output, '\t');
        } else {
            block.messages += unreadPositionMessage(line, reading, lineNumber);
            block.allRead = false;
        }
        block.output += '\n';
    }
}

void write(std::FILE* f, std::string_view s) {
    if (!s.empty()) std::fwrite(s.data(), 1, s.size(), f);
}

// The blocks waiting for a worker and the signal that one was converted.
class WorkQueue {
public:
    void push(Block* block) {
        {
            const std::lock_guard lock(mutex_);
            waiting_.push_back(block);
        }
        work_.notify_one();
    }

    // The next block to convert, or nothing once the queue is closed and empty.
    Block* pop() {
        std::unique_lock lock(mutex_);
        work_.wait(lock, [this] { return !waiting_.empty() || closed_; });
        if (waiting_.empty()) return nullptr;
        Block* block = waiting_.front();
        waiting_.pop_front();
        return block;
    }

    void markConverted(Block* block) {
        {
            const std::lock_guard lock(mutex_);
            block->converted = true;
        }
        converted_.notify_all();
    }

    void waitConverted(const Block* block) {
        std::unique_lock lock(mutex_);
        converted_.wait(lock, [block] { return block->converted; });
    }

    void close() {
        {
            const std::lock_guard lock(mutex_);
            closed_ = true;
        }
        work_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable converted_;
    std::deque<Block*> waiting_;
    bool closed_ = false;
};

std::size_t workerCount(std::size_t requested) {
    if (requested > 0) return std::min(requested, kMaxWorkers);
    const std::size_t cores = std::thread::hardware_concurrency();
    return std::clamp<std::size_t>(cores, 1, kMaxWorkers);
}

// Starts the workers; fewer (even none) when the system refuses threads.
std::vector<std::thread> startWorkers(std::size_t count, WorkQueue& queue, DecimalMode mode) {
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < count; ++i) {
        try {
            workers.emplace_back([&queue, mode] {
                ConversionForm form(mode);
                while (Block* block = queue.pop()) {
                    convertBlock(*block, form);
                    queue.markConverted(block);
                }
            });
        } catch (const std::system_error&) {
            break;
        }
    }
    return workers;
}

} // namespace

StreamOutcome convertPositionStream(std::FILE* in, std::FILE* out, std::FILE* err, DecimalMode mode,
                                    std::size_t workers) {
    WorkQueue queue;
    std::vector<std::thread> threads = startWorkers(workerCount(workers), queue, mode);
    // Without any worker thread, this thread converts each block itself.
    std::unique_ptr<ConversionForm> ownForm;
    if (threads.empty()) ownForm = std::make_unique<ConversionForm>(mode);

    std::vector<std::unique_ptr<Block>> blocks(std::max<std::size_t>(threads.size(), 1) *
                                               kBlocksPerWorker);
    std::vector<Block*> free;
    for (auto& b : blocks) {
        b = std::make_unique<Block>();
        free.push_back(b.get());
    }

    ChunkedInput input(in);
    std::deque<Block*> inOrder; // submitted, oldest first
    std::size_t nextLine = 1;
    bool inputLeft = true;
    bool allRead = true;
    for (;;) {
        while (inputLeft && !free.empty()) {
            Block* block = free.back();
            const std::size_t lines = fillBlock(input, *block, nextLine);
            if (lines == 0) {
                inputLeft = false;
                break;
            }
            free.pop_back();
            nextLine += lines;
            inOrder.push_back(block);
            if (ownForm) {
                convertBlock(*block, *ownForm);
                block->converted = true;
            } else {
                queue.push(block);
            }
        }
        if (inOrder.empty()) break;
        Block* oldest = inOrder.front();
        inOrder.pop_front();
        if (!ownForm) queue.waitConverted(oldest);
        write(err, oldest->messages);
        write(out, oldest->output);
        allRead = allRead && oldest->allRead;
        free.push_back(oldest);
    }
    queue.close();
    for (std::thread& t : threads)
        t.join();

    if (input.failed()) {
        write(err, "quorvane convert: cannot read the standard input\n");
        allRead = false;
    }
    if (std::fflush(out) != 0 || std::ferror(out)) return StreamOutcome::outputFailed;
    return allRead ? StreamOutcome::allConverted : StreamOutcome::someLinesUnread;
}

} // namespace quorvane
