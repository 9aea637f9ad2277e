#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "naming/NamePlacer.h"
#include "naming/NamingInputs.h"

namespace zorvan {

class ReferenceConnection;

// One naming run: builds the candidate statement from a snapshot of the
// window's fields, reads its rows in the interleaved order and places every
// name. `RunFlag` is set when the run starts; clearing it (the stop button)
// ends the reading at its next test point. Every failure ends the run
// silently: what was placed stays, the last row is flushed, Finished() comes.
class NamingRun {
 public:
  NamingRun(NamingInputs inputs, std::shared_ptr<ReferenceConnection> connection,
            std::atomic<bool>& RunFlag, NamingSink& sink);

  // Whether the run raises `RunFlag` itself or finds it raised by its starter.
  enum class FlagStart { Raise, AlreadyRaised };
  void RunNaming(FlagStart start = FlagStart::Raise);  // never throws

 private:
  void Read(std::string_view sql, bool repaintEveryNine);

  NamingInputs inputs_;
  std::shared_ptr<ReferenceConnection> connection_;
  std::atomic<bool>& RunFlag_;
  NamingSink& sink_;
  NamePlacer placer_;
};

// The worker of one naming run: starts at once on its own thread with its own
// connection to the naming database (a database connection is not shared
// between threads), runs NamingRun::RunNaming and ends. Destroying it waits
// for the run to end; the run does not watch for that, only for `RunFlag`.
class TMythread {
 public:
  TMythread(NamingInputs inputs, std::string connectionString, std::atomic<bool>& RunFlag,
            NamingSink& sink);
  ~TMythread();
  TMythread(const TMythread&) = delete;
  TMythread& operator=(const TMythread&) = delete;

  // Waits until the run has ended.
  void WaitFor();
  bool Finished() const { return finished_.load(); }

 private:
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

// One thing a run wrote, for handing over to the window's thread in batches.
struct NamingEvent {
  enum class Kind { ClearSuccess, ClearGoodNames, SuccessLine, GoodName, Finished };
  Kind kind;
  std::string text;  // GBK, for the two line kinds
};

// A sink that gathers the run's events and hands them on in batches, in
// order: at a repaint point once `interval` has passed since the last batch,
// and always at the end. `deliver` runs on the run's thread; the window posts
// the batch to its own thread there.
class NamingEventBatcher : public NamingSink {
 public:
  using Deliver = std::function<void(std::vector<NamingEvent>)>;
  explicit NamingEventBatcher(Deliver deliver,
                              std::chrono::milliseconds interval = std::chrono::milliseconds(40));

  void ClearSuccess() override;
  void ClearGoodNames() override;
  void AddSuccessLine(std::string_view gbk) override;
  void AddGoodName(std::string_view gbk) override;
  void Repaint() override;
  void Finished() override;

 private:
  void Push(NamingEvent::Kind kind, std::string_view text = {});
  void Send();

  Deliver deliver_;
  std::chrono::milliseconds interval_;
  std::chrono::steady_clock::time_point last_;
  std::vector<NamingEvent> pending_;
};

}  // namespace zorvan
