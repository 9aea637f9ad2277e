#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "naming/NamingRun.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolBar;

namespace zorvan {

class LinePrinter;
class Marquee;
class NamingEventBatcher;
class ReferenceConnection;
class ReferenceStore;
class TMythread;
struct NamingInputs;

// The main naming window: the inputs of a naming run, the result panes, the
// menus and toolbar that open every other window.
class TFrmQiming : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFrmQiming(QWidget* parent = nullptr);
  ~TFrmQiming() override;

  // The exit routine ends the process; tests replace the last step.
  using ProcessEnd = std::function<void()>;
  static void SetProcessEnd(ProcessEnd end);

  // The introduction shown in MemoSuccess until the first naming run.
  static QStringList IntroductionLines();

  // Refreshes CBCode for the current fields (run with the trimmed surname).
  // Tests may replace it with a hook.
  void RefreshCombinations(const QString& surname);
  using RefreshHook = std::function<void(TFrmQiming& window, const QString& surname)>;
  void SetRefreshHook(RefreshHook hook) { refreshHook_ = std::move(hook); }

  // Commands (public so the toolbar, menus and tests share them).
  void SaveNaming();   // "保存起名"
  void PageSetup();    // "打印设置"
  void PrintNaming();  // "打印"
  void ExitProgram();  // "关闭软件", "退出软件"

  std::shared_ptr<ReferenceConnection> Connection() const { return connection_; }

  // Run state held for the naming run.
  int nameFormCode() const { return nameFormCode_; }
  void setNameFormCode(int code) { nameFormCode_ = code; }
  std::atomic<bool>& RunFlag() { return runFlag_; }

  // The fields a naming run reads, as one snapshot taken when it starts.
  NamingInputs ReadNamingInputs() const;
  // True from the start of a naming run until all it wrote is shown.
  bool NamingInProgress() const;
  // Waits for the current run to end and shows all it wrote (tests, exit).
  void WaitForNaming();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  QWidget* BuildTopPanel();
  QWidget* BuildPanes();
  void BuildStatusBar();
  void OpenDatabase();
  void ConnectFieldEvents();

  void XingExit();
  void GudingziExit();
  void ZuidiFeeExit();
  void SorcssExit();
  void CBXingshiClick();
  void CBFeeXXClick();
  void RefreshIfSurname();

  void QueueNamingEvents(std::vector<NamingEvent> events);
  void ApplyNamingEvents(size_t maxLines);
  void EndWorker();

 public:
  void StartNaming();  // "马上起名"
  void StopNaming();   // "停止起名"

 private:
  void OpenNameAnalysisFromFields();  // "姓名分析"
  void OpenUrl(const QString& url);
  QAction* AddCommand(QMenu* menu, const QString& caption, std::function<void()> action);

 public:
  // Fields, named after the controls they mirror.
  QLineEdit* Xing = nullptr;
  QComboBox* CBsex = nullptr;
  QComboBox* ComDate = nullptr;
  QComboBox* SYear = nullptr;
  QComboBox* SMonth = nullptr;
  QComboBox* Sday = nullptr;
  QComboBox* Shour = nullptr;
  QComboBox* CBFen = nullptr;
  QCheckBox* CBjin = nullptr;
  QCheckBox* CBMu = nullptr;
  QCheckBox* CBshui = nullptr;
  QCheckBox* CBhuo = nullptr;
  QCheckBox* CBTu = nullptr;
  QCheckBox* CBzhishukongz = nullptr;
  QComboBox* CBdijizi = nullptr;
  QLineEdit* Gudingzi = nullptr;
  QComboBox* CBCode = nullptr;
  QComboBox* CBXingshi = nullptr;
  QCheckBox* CBFeeXX = nullptr;
  QLineEdit* ZuidiFee = nullptr;
  QCheckBox* CBInitFee = nullptr;
  QLineEdit* Sorcss = nullptr;
  QPushButton* StartButton = nullptr;
  QPushButton* StopButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QPlainTextEdit* MemoSuccess = nullptr;
  QPlainTextEdit* GoodName = nullptr;
  QPlainTextEdit* REbazi = nullptr;
  QPlainTextEdit* MemoSuoyou = nullptr;
  QTabWidget* ResultTabs = nullptr;
  QToolBar* MainToolBar = nullptr;
  QLabel* StatusContact = nullptr;
  Marquee* StatusMarquee = nullptr;

 private:
  std::shared_ptr<ReferenceConnection> connection_;
  std::unique_ptr<ReferenceStore> lookup_;  // stroke lookups and the combination list
  std::unique_ptr<NamingEventBatcher> sink_;
  std::unique_ptr<TMythread> worker_;
  std::deque<NamingEvent> namingEvents_;  // handed over by the run, not yet shown
  bool drainScheduled_ = false;
  bool runShown_ = true;  // the last run's end has been shown
  std::unique_ptr<LinePrinter> printer_;
  RefreshHook refreshHook_;
  int nameFormCode_ = 0;
  std::atomic<bool> runFlag_{false};
  bool exiting_ = false;
};

}  // namespace zorvan
