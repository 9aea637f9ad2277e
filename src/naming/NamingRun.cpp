#include "naming/NamingRun.h"

#include "data/ReferenceStore.h"
#include "naming/CandidateQuery.h"
#include "naming/Combinations.h"
#include "text/Text.h"

namespace zorvan {

NamingRun::NamingRun(NamingInputs inputs, std::shared_ptr<ReferenceConnection> connection,
                     std::atomic<bool>& RunFlag, NamingSink& sink)
    : inputs_(std::move(inputs)),
      connection_(std::move(connection)),
      RunFlag_(RunFlag),
      sink_(sink),
      placer_(sink, inputs_.CBInitFee, inputs_.Sorcss) {}

void NamingRun::RunNaming(FlagStart start) {
  try {
    if (start == FlagStart::Raise) RunFlag_ = true;
    sink_.ClearSuccess();
    placer_.ResetRow();
    // A picked entry is parsed before the high-score list is emptied, so one
    // that does not parse leaves that list as it was; the run over every entry
    // empties the list first and then parses the entries one by one.
    bool everyCombination = Trim(inputs_.CBCode) == AutoCombinationItem();
    if (everyCombination) {
      sink_.ClearGoodNames();
      placer_.ClearQueue();
    }
    CandidateStatement statement = BuildCandidateStatement(inputs_);
    if (!everyCombination) {
      sink_.ClearGoodNames();
      placer_.ClearQueue();
    }
    if (!statement.sql.empty()) Read(statement.sql, !statement.singleCombination);
  } catch (const std::exception&) {
    // A failing run ends silently; what was placed stays.
  }
  placer_.Flush();
  sink_.Finished();
}

void NamingRun::Read(std::string_view sql, bool repaintEveryNine) {
  ReferenceStore names(connection_);
  names.Open(sql);
  int placed = 0;
  for (const ReadingStep& step : ReadingOrder(names.RecordCount())) {
    names.MoveTo(step.row);
    placer_.HandOver(names.FieldText(0));
    if (repaintEveryNine && ++placed % 9 == 0) sink_.Repaint();
    if (step.stopTest && !RunFlag_) break;
  }
  names.Close();
}

TMythread::TMythread(NamingInputs inputs, std::string connectionString, std::atomic<bool>& RunFlag,
                     NamingSink& sink) {
  // The flag goes up before the thread exists, so a stop pressed right after
  // the start is never lost to the run raising it again.
  RunFlag = true;
  thread_ = std::thread([this, inputs = std::move(inputs),
                         connectionString = std::move(connectionString), &RunFlag, &sink]() {
    std::shared_ptr<ReferenceConnection> connection;
    try {
      connection = std::make_shared<ReferenceConnection>(connectionString);
    } catch (const std::exception&) {
    }
    if (connection) {
      NamingRun(inputs, connection, RunFlag, sink).RunNaming(NamingRun::FlagStart::AlreadyRaised);
    } else {
      sink.Finished();
    }
    finished_ = true;
  });
}

TMythread::~TMythread() { WaitFor(); }

void TMythread::WaitFor() {
  if (thread_.joinable()) thread_.join();
}

NamingEventBatcher::NamingEventBatcher(Deliver deliver, std::chrono::milliseconds interval)
    : deliver_(std::move(deliver)), interval_(interval), last_(std::chrono::steady_clock::now()) {}

void NamingEventBatcher::Push(NamingEvent::Kind kind, std::string_view text) {
  pending_.push_back({kind, std::string(text)});
}

void NamingEventBatcher::Send() {
  if (pending_.empty()) return;
  std::vector<NamingEvent> batch;
  batch.swap(pending_);
  last_ = std::chrono::steady_clock::now();
  deliver_(std::move(batch));
}

void NamingEventBatcher::ClearSuccess() { Push(NamingEvent::Kind::ClearSuccess); }
void NamingEventBatcher::ClearGoodNames() { Push(NamingEvent::Kind::ClearGoodNames); }
void NamingEventBatcher::AddSuccessLine(std::string_view gbk) {
  Push(NamingEvent::Kind::SuccessLine, gbk);
}
void NamingEventBatcher::AddGoodName(std::string_view gbk) {
  Push(NamingEvent::Kind::GoodName, gbk);
}

void NamingEventBatcher::Repaint() {
  if (std::chrono::steady_clock::now() - last_ >= interval_) Send();
}

void NamingEventBatcher::Finished() {
  Push(NamingEvent::Kind::Finished);
  Send();
}

}  // namespace zorvan
