#include "search/parallel.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "dialogue/console.h"
#include "dialogue/terminal.h"
#include "search/search.h"
#include "search/walk.h"
#include "search/zz_words.h"

#ifdef EGYPTIAN_HAVE_FLINT
#include <flint/flint.h>
#endif

namespace {

// Events written and not yet read beyond which the threads ahead of the head
// stop: some 6 MB, far more than the main thread reads between two looks.
constexpr std::size_t kMaxWaitingEvents = std::size_t{1} << 17;
// The thread of the head stops while this many of its chunks wait to be read
// (while the main thread waits at a paging prompt, say). It never waits for
// the others: the main thread can always read what it wrote.
constexpr std::size_t kMaxHeadChunks = 8;
// While it waits for events, the main thread looks up this often to write out
// the lines it holds.
constexpr auto kWaitSlice = std::chrono::milliseconds(20);
// After a vain attempt to give work away, a thread tries again only after this
// many polls, so that a thread deep in one node does not take the lock each time.
constexpr int kSplitRetryPolls = 16;
// The thread of the head hands on a chunk before it is full when the main
// thread waits for it, but not more often than this: a person sees the next
// solution soon enough, and a count does not turn into a game of ping-pong.
constexpr auto kLongestHold = std::chrono::milliseconds(20);

using Clock = std::chrono::steady_clock;

class Worker;

struct Segment {
  std::deque<Chunk*> chunks;  // written, not yet read
  bool finished = false;
  Segment* next = nullptr;
  Worker* writer = nullptr;  // the thread that writes it
};

struct Pool;

class Worker final : public WalkOutput {
 public:
  Worker(Pool& pool, const std::atomic<std::uint64_t>* limit) : WalkOutput(limit), pool_(pool) {}
  void Main();
  void ChunkFull() override;
  bool Poll(Walk& walk) override;
  // x1 where this thread's walk stands, 0 when it has none.
  u64 FirstUnknown() const { return walk_.FirstUnknown(); }

  // Set under the pool's lock by whoever gives this thread work.
  bool assigned = false;
  Task task;
  Segment* segment = nullptr;
  std::thread thread;

 private:
  void PublishLocked();
  bool GiveWorkAway(Walk& walk);

  Pool& pool_;
  Walk walk_;
  int splitPause_ = 0;
  Clock::time_point lastPublish_;
};

struct Pool {
  std::mutex lock;
  std::condition_variable workerWake;    // a task assigned, or the end of the program
  std::condition_variable roomWake;      // events read, the head moved on, or a stop
  std::condition_variable consumerWake;  // events written, a segment finished, a thread idle
  std::vector<std::unique_ptr<Worker>> workers;
  std::vector<Worker*> idle;
  int busy = 0;
  bool shutdown = false;
  std::atomic<bool> stopping{false};
  std::atomic<bool> stealWanted{false};
  std::atomic<const Segment*> waitedOn{nullptr};  // the segment the main thread waits on
  std::atomic<std::uint64_t> runLimit{0};         // read by the walks (WalkOutput::runLimit)
  Segment* head = nullptr;
  std::size_t waiting = 0;  // events written and not yet read
  std::vector<Chunk*> spare;
  SearchSetup setup;

  ~Pool() {
    {
      std::lock_guard<std::mutex> guard(lock);
      shutdown = true;
      stopping = true;
    }
    workerWake.notify_all();
    roomWake.notify_all();
    for (auto& worker : workers) worker->thread.join();
    ClearSegmentsLocked();
    for (Chunk* chunk : spare) delete chunk;
  }

  Chunk* TakeChunkLocked() {
    if (spare.empty()) return new Chunk;
    Chunk* chunk = spare.back();
    spare.pop_back();
    return chunk;
  }

  void ReleaseLocked(Chunk* chunk) {
    chunk->Reset();
    spare.push_back(chunk);
  }

  // Frees the segments from the head on, with their chunks.
  void ClearSegmentsLocked() {
    while (head != nullptr) {
      for (Chunk* chunk : head->chunks) ReleaseLocked(chunk);
      Segment* next = head->next;
      delete head;
      head = next;
    }
    waiting = 0;
  }
};

int ThreadCountFromEnvironment() {
  const char* text = std::getenv("EGYPTIAN_THREADS");
  if (text == nullptr || *text == '\0') return 0;
  int count = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return 0;
    count = count * 10 + (*c - '0');
    if (count > kMaxThreads) return 0;
  }
  return count;
}

// The pool, its threads started on first use (from the main thread only). It
// is destroyed at the end of the program, which stops and joins the threads.
Pool& ThePool() {
  static Pool pool;
  if (pool.workers.empty()) {
    const int count = SearchThreadCount();
    std::lock_guard<std::mutex> guard(pool.lock);
    for (int i = 0; i < count; ++i) {
      pool.workers.push_back(std::make_unique<Worker>(pool, &pool.runLimit));
      pool.idle.push_back(pool.workers.back().get());
    }
    for (auto& worker : pool.workers) worker->thread = std::thread(&Worker::Main, worker.get());
  }
  return pool;
}

void Worker::Main() {
  std::unique_lock<std::mutex> lock(pool_.lock);
  for (;;) {
    pool_.workerWake.wait(lock, [this] { return assigned || pool_.shutdown; });
    if (pool_.shutdown) break;
    assigned = false;
    chunk = pool_.TakeChunkLocked();
    lock.unlock();
    const bool walked = walk_.Run(pool_.setup, task, *this);
    lock.lock();
    if (walked && !chunk->events.empty()) {
      PublishLocked();
    } else {
      pool_.ReleaseLocked(chunk);
    }
    chunk = nullptr;
    segment->finished = true;
    --pool_.busy;
    pool_.idle.push_back(this);
    if (pool_.busy > 0) pool_.stealWanted = true;
    pool_.consumerWake.notify_all();
  }
  lock.unlock();
#ifdef EGYPTIAN_HAVE_FLINT
  flint_cleanup();  // this thread's caches
#endif
}

// Appends `chunk` to the segment for the main thread, which only the head's
// chunks can wake.
void Worker::PublishLocked() {
  segment->chunks.push_back(chunk);
  pool_.waiting += chunk->events.size();
  if (segment == pool_.head) pool_.consumerWake.notify_all();
}

void Worker::ChunkFull() {
  std::unique_lock<std::mutex> lock(pool_.lock);
  PublishLocked();
  lastPublish_ = Clock::now();
  chunk = pool_.TakeChunkLocked();
  // Wait while too much of this thread's output, or of all, waits to be read.
  pool_.roomWake.wait(lock, [this] {
    if (pool_.stopping) return true;
    if (segment == pool_.head) return segment->chunks.size() < kMaxHeadChunks;
    return pool_.waiting <= kMaxWaitingEvents;
  });
}

bool Worker::Poll(Walk& walk) {
  // A Ctrl-C stops the walk at once; the main thread then stops the search.
  if (pool_.stopping.load(std::memory_order_relaxed) || StopRequested()) return false;
  if (pool_.waitedOn.load(std::memory_order_relaxed) == segment && !chunk->events.empty()) {
    // The main thread waits for what this thread holds.
    const Clock::time_point now = Clock::now();
    if (now - lastPublish_ >= kLongestHold) {
      std::lock_guard<std::mutex> guard(pool_.lock);
      PublishLocked();
      chunk = pool_.TakeChunkLocked();
      lastPublish_ = now;
    }
  }
  if (pool_.stealWanted.load(std::memory_order_relaxed)) {
    if (splitPause_ > 0) {
      --splitPause_;
    } else if (!GiveWorkAway(walk)) {
      splitPause_ = kSplitRetryPolls;
    }
  }
  return true;
}

// Splits the walk for the idle threads; false when nothing could be given.
bool Worker::GiveWorkAway(Walk& walk) {
  bool gave = false;
  {
    std::lock_guard<std::mutex> guard(pool_.lock);
    while (!pool_.idle.empty()) {
      Worker* taker = pool_.idle.back();
      if (!walk.Split(taker->task)) break;
      pool_.idle.pop_back();
      // The part given away comes after all this thread keeps, before what it gave earlier.
      Segment* given = new Segment;
      given->next = segment->next;
      segment->next = given;
      taker->segment = given;
      given->writer = taker;
      taker->assigned = true;
      ++pool_.busy;
      gave = true;
    }
    if (pool_.idle.empty()) pool_.stealWanted = false;
  }
  if (gave) pool_.workerWake.notify_all();
  return gave;
}

}  // namespace

int SearchThreadCount() {
  const int fromEnvironment = ThreadCountFromEnvironment();
  if (fromEnvironment > 0) return fromEnvironment;
  const unsigned hardware = std::thread::hardware_concurrency();
  return hardware == 0 ? 1 : static_cast<int>(hardware < kMaxThreads ? hardware : kMaxThreads);
}

void StartParallelSearch(const SearchSetup& setup) {
  Pool& pool = ThePool();
  std::unique_lock<std::mutex> lock(pool.lock);
  pool.consumerWake.wait(lock, [&pool] { return pool.busy == 0; });
  pool.ClearSegmentsLocked();
  pool.setup = setup;
  pool.stopping = false;
  pool.waitedOn = nullptr;
  pool.runLimit = 0;
  pool.head = new Segment;
  Worker* first = pool.idle.back();
  pool.idle.pop_back();
  Task& task = first->task;
  task.level = 0;
  task.fresh = true;
  task.prefix.clear();
  task.remainder.a = setup.p;
  task.remainder.b = setup.q;
  task.remainder.factored = setup.rootFactored;
  task.remainder.factors = setup.rootFactors;
  first->segment = pool.head;
  pool.head->writer = first;
  first->assigned = true;
  ++pool.busy;
  pool.stealWanted = !pool.idle.empty();
  lock.unlock();
  pool.workerWake.notify_all();
}

Chunk* NextChunk() {
  Pool& pool = ThePool();
  std::unique_lock<std::mutex> lock(pool.lock);
  for (;;) {
    Segment* head = pool.head;
    if (head == nullptr) return nullptr;
    if (!head->chunks.empty()) {
      Chunk* chunk = head->chunks.front();
      head->chunks.pop_front();
      pool.waiting -= chunk->events.size();
      pool.waitedOn = nullptr;
      pool.roomWake.notify_all();
      return chunk;
    }
    if (head->finished) {
      // Every segment not yet finished lies after the head: with none left, the search is over.
      pool.head = head->next;
      delete head;
      pool.roomWake.notify_all();
      continue;
    }
    // A Ctrl-C: the search ends here, for the driver to stop the calculation.
    if (StopRequested()) return nullptr;
    pool.waitedOn = head;
    if (pool.consumerWake.wait_for(lock, kWaitSlice) == std::cv_status::timeout) {
      lock.unlock();
      Pulse();
      lock.lock();
    }
  }
}

void SendRuns(std::uint64_t limit) { ThePool().runLimit.store(limit, std::memory_order_relaxed); }

bool CurrentFirstUnknown(NTL::ZZ& value) {
  Pool& pool = ThePool();
  u64 first = 0;
  {
    std::lock_guard<std::mutex> guard(pool.lock);
    if (pool.head != nullptr && !pool.head->finished && pool.head->writer != nullptr) {
      first = pool.head->writer->FirstUnknown();
    }
  }
  if (first == 0) return false;
  SetZZ(value, first);
  return true;
}

void ReleaseChunk(Chunk* chunk) {
  Pool& pool = ThePool();
  std::lock_guard<std::mutex> guard(pool.lock);
  pool.ReleaseLocked(chunk);
}

void StopParallelSearch() {
  Pool& pool = ThePool();
  std::unique_lock<std::mutex> lock(pool.lock);
  pool.stopping = true;
  pool.roomWake.notify_all();
  pool.consumerWake.wait(lock, [&pool] { return pool.busy == 0; });
  pool.ClearSegmentsLocked();
  pool.stopping = false;
  pool.stealWanted = false;
  pool.waitedOn = nullptr;
}
