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

#if __has_include(<poll.h>) && __has_include(<unistd.h>)
#include <cerrno>
#include <poll.h>
#include <unistd.h>
#define QUORVANE_STREAM_POLLS 1
#endif

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
// kMaxPositionLineLength + 1 bytes of one. Where the system can tell, it reads from the file
// descriptor whatever is there (a pipe or terminal gives a line as soon as it is written) and
// says when the next read would wait for more; a stream without a descriptor (one in memory)
// is read through the C library and never waits.
class ChunkedInput {
public:
    ChunkedInput(std::FILE* in, std::size_t chunkSize)
        : in_(in), fd_(descriptorOf(in)), chunk_(chunkSize) {}

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

    // True when every byte read so far is used up and the input has no more ready, so the next
    // line would keep the caller waiting.
    bool wouldWait() const {
        if (begin_ != end_ || ended_) return false;
#ifdef QUORVANE_STREAM_POLLS
        if (fd_ < 0) return false;
        pollfd request{fd_, POLLIN, 0};
        // A failed poll counts as waiting: answering early costs only a flush.
        return ::poll(&request, 1, 0) <= 0;
#else
        return false;
#endif
    }

    bool failed() const { return failed_; }

private:
    static int descriptorOf([[maybe_unused]] std::FILE* in) {
#ifdef QUORVANE_STREAM_POLLS
        return ::fileno(in);
#else
        return -1;
#endif
    }

    bool refill() {
        if (ended_) return false;
        begin_ = 0;
        end_ = fd_ >= 0 ? readDescriptor() : readStream();
        if (end_ == 0) ended_ = true;
        return end_ > 0;
    }

    std::size_t readStream() {
        const std::size_t got = std::fread(chunk_.data(), 1, chunk_.size(), in_);
        if (std::ferror(in_)) failed_ = true;
        return got;
    }

    std::size_t readDescriptor() {
#ifdef QUORVANE_STREAM_POLLS
        for (;;) {
            const ssize_t got = ::read(fd_, chunk_.data(), chunk_.size());
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) break;
        }
        failed_ = true;
#endif
        return 0;
    }

    std::FILE* in_;
    int fd_;
    std::vector<char> chunk_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
    bool failed_ = false;
};

enum class FillEnd : unsigned char { blockFull, inputEnded, inputWaits };

struct Fill {
    std::size_t lines = 0;
    FillEnd end = FillEnd::blockFull;
};

// Fills a block with the next lines, up to about `blockBytes` bytes. When the input has no more
// bytes ready and something is waiting to be answered (lines of this block, or `answersPending`),
// it stops there, so those answers go out before the input is waited for.
Fill fillBlock(ChunkedInput& input, Block& block, std::size_t blockBytes, std::size_t firstLine,
               bool answersPending) {
    block.input.clear();
    block.overlong.clear();
    block.output.clear();
    block.messages.clear();
    block.allRead = true;
    block.converted = false;
    block.firstLine = firstLine;
    Fill fill;
    bool overlong = false;
    while (block.input.size() < blockBytes) {
        if ((fill.lines > 0 || answersPending) && input.wouldWait()) {
            fill.end = FillEnd::inputWaits;
            return fill;
        }
        if (!input.appendLine(block.input, overlong)) {
            fill.end = FillEnd::inputEnded;
            return fill;
        }
        if (overlong) block.overlong.push_back(fill.lines);
        ++fill.lines;
    }
    return fill;
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

// False when the text could not be written (the output is full, closed or gone).
bool write(std::FILE* f, std::string_view s) {
    return s.empty() || std::fwrite(s.data(), 1, s.size(), f) == s.size();
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

    // Blocks still waiting are dropped: after a failed output nobody wants them.
    void close() {
        {
            const std::lock_guard lock(mutex_);
            closed_ = true;
            waiting_.clear();
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
std::vector<std::thread> startWorkers(std::size_t count, WorkQueue& queue, DecimalMode mode,
                                      GridColumns grid) {
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < count; ++i) {
        try {
            workers.emplace_back([&queue, mode, grid] {
                ConversionForm form(mode, grid);
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
                                    std::size_t workers, std::size_t blockBytes, GridColumns grid) {
    if (blockBytes == 0) blockBytes = kChunkSize;
    WorkQueue queue;
    std::vector<std::thread> threads = startWorkers(workerCount(workers), queue, mode, grid);
    // Without any worker thread, this thread converts each block itself.
    std::unique_ptr<ConversionForm> ownForm;
    if (threads.empty()) ownForm = std::make_unique<ConversionForm>(mode, grid);

    std::vector<std::unique_ptr<Block>> blocks(std::max<std::size_t>(threads.size(), 1) *
                                               kBlocksPerWorker);
    std::vector<Block*> free;
    for (auto& b : blocks) {
        b = std::make_unique<Block>();
        free.push_back(b.get());
    }

    ChunkedInput input(in, blockBytes);
    std::deque<Block*> inOrder; // submitted, oldest first
    std::size_t nextLine = 1;
    bool inputLeft = true;
    bool allRead = true;
    bool outputFailed = false;
    // Writes the oldest submitted block once it is converted; false when the output failed.
    const auto writeOldest = [&] {
        Block* oldest = inOrder.front();
        inOrder.pop_front();
        if (!ownForm) queue.waitConverted(oldest);
        write(err, oldest->messages);
        allRead = allRead && oldest->allRead;
        free.push_back(oldest);
        return write(out, oldest->output);
    };
    while (!outputFailed) {
        bool inputWaits = false;
        while (inputLeft && !free.empty() && !inputWaits) {
            Block* block = free.back();
            const Fill fill = fillBlock(input, *block, blockBytes, nextLine, !inOrder.empty());
            inputLeft = fill.end != FillEnd::inputEnded;
            inputWaits = fill.end == FillEnd::inputWaits;
            if (fill.lines == 0) break;
            free.pop_back();
            nextLine += fill.lines;
            inOrder.push_back(block);
            if (ownForm) {
                convertBlock(*block, *ownForm);
                block->converted = true;
            } else {
                queue.push(block);
            }
        }
        if (inOrder.empty()) break;
        if (!inputWaits) {
            outputFailed = !writeOldest();
            continue;
        }
        // The input is slow: answer every line read so far before waiting for more.
        while (!inOrder.empty() && !outputFailed)
            outputFailed = !writeOldest();
        outputFailed = outputFailed || std::fflush(out) != 0;
    }
    queue.close();
    for (std::thread& t : threads)
        t.join();

    if (outputFailed || std::fflush(out) != 0 || std::ferror(out))
        return StreamOutcome::outputFailed;
    if (input.failed()) {
        write(err, "quorvane convert: cannot read the standard input\n");
        allRead = false;
    }
    return allRead ? StreamOutcome::allConverted : StreamOutcome::someLinesUnread;
}

} // namespace quorvane
