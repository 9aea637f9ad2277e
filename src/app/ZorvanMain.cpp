#include "app/ZorvanMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdlib>
#include <limits>

#include "data/ReferenceStore.h"
#include "naming/Combinations.h"
#include "naming/NamingInputs.h"
#include "naming/NamingRun.h"
#include "text/Text.h"
#include "windows/DateWin.h"
#include "windows/FieldItems.h"
#include "windows/GlyphIcon.h"
#include "windows/InfoMessage.h"
#include "windows/Marquee.h"
#include "windows/QtText.h"
#include "windows/TextOutput.h"
#include "windows/Unt_Main.h"

namespace zorvan {
namespace {

const QString kHomePage = QStringLiteral("https://www.example.com/zorvan/");
const QString kSupportMail = QStringLiteral("service@example.com");
const QString kChatLink = QStringLiteral("https://www.example.com/zorvan/chat?account=10000");
// How many result lines the window shows per turn of its event loop.
constexpr size_t kLinesPerSlice = 600;

const QString kContactLine = QStringLiteral("客服邮箱：service@example.com");

TFrmQiming::ProcessEnd& ProcessEndStep() {
  static TFrmQiming::ProcessEnd end = [] { std::_Exit(0); };
  return end;
}

QComboBox* FixedList(const QStringList& items, const QString& name) {
  auto* box = new QComboBox;
  box->addItems(items);
  box->setAccessibleName(name);
  return box;
}

QComboBox* EditableList(const QStringList& items, const QString& text, const QString& name) {
  auto* box = FixedList(items, name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setEditText(text);
  return box;
}

QLineEdit* Edit(const QString& text, const QString& name, int width = 0) {
  auto* edit = new QLineEdit(text);
  edit->setAccessibleName(name);
  if (width > 0) edit->setFixedWidth(width);
  return edit;
}

QCheckBox* Check(const QString& caption, const QString& name) {
  auto* box = new QCheckBox(caption);
  box->setAccessibleName(name);
  return box;
}

QPlainTextEdit* Pane(const QString& name) {
  auto* pane = new QPlainTextEdit;
  pane->setReadOnly(true);
  pane->setLineWrapMode(QPlainTextEdit::NoWrap);
  pane->setAccessibleName(name);
  return pane;
}

QString Trimmed(const QString& text) { return FromGbk(Trim(ToGbk(text))); }

}  // namespace

TFrmQiming::TFrmQiming(QWidget* parent)
    : QMainWindow(parent), printer_(std::make_unique<LinePrinter>()) {
  setObjectName(QStringLiteral("FrmQiming"));
  setWindowTitle(QStringLiteral("Zorvan起名软件"));
  resize(800, 600);
  QFont font(QStringLiteral("Noto Serif CJK SC"));
  font.setPointSize(9);
  setFont(font);

  BuildMenus();
  BuildToolBar();
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(BuildTopPanel());
  layout->addWidget(BuildPanes(), 1);
  setCentralWidget(central);
  BuildStatusBar();
  ConnectFieldEvents();

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  OpenDatabase();
}

TFrmQiming::~TFrmQiming() {
  runFlag_ = false;
  EndWorker();
}

void TFrmQiming::SetProcessEnd(ProcessEnd end) { ProcessEndStep() = std::move(end); }

QStringList TFrmQiming::IntroductionLines() {
  return {
      QString(),
      QStringLiteral("   "
                     "《Zorvan起名软件》是一款从康熙字典、笔划、字形、字义、生辰八字、三才五格、五"
                     "行喜用神等多方面，根据周"),
      QStringLiteral(
          "易及现代姓名研究学，利用高科技电脑的快速智能分析能力协助长辈为小孩起名的软件。"),
      QString(),
      QStringLiteral("    "
                     "软件可以对不同姓氏自动生成100000以上的名字，软件可根据用户的选择，固定名字的"
                     "第二字或第三个字，可以选"),
      QStringLiteral("择不同笔划的优先组合规则，只起N(例如95)"
                     "分以上的名字，也可以自动筛选高分名字到高分列表，然后进行人工筛"),
      QStringLiteral(
          "选，最后生成若干参考名字，帮助长辈为心爱的Zorvan起一个好听好记又吉祥的名字。"),
      QString(),
      QStringLiteral("    "
                     "软件另外还包括八字分析，姓名分析，起名方法知识参考、黄道吉日查询、解梦、生男"
                     "生女、民俗预测等，软件界"),
      QStringLiteral("面操作简单、支持打印、测算保存为你带来无穷的起名及民俗娱乐！"),
      QString(),
      QStringLiteral("    联系我们"),
      QStringLiteral("    软件主页：") + kHomePage,
      QStringLiteral("    客服邮箱：") + kSupportMail,
      QStringLiteral("    客服QQ：10000"),
      QStringLiteral("   "),
  };
}

void TFrmQiming::OpenDatabase() {
  try {
    connection_ = std::make_shared<ReferenceConnection>(ConnectionStringFor(kNamingDb));
    lookup_ = std::make_unique<ReferenceStore>(connection_);
  } catch (const DataError& e) {
    // Reported like any data error; the window still opens.
    QString text = FromGbk(e.what());
    QMetaObject::invokeMethod(
        this, [this, text] { ShowErrorReport(text, this); }, Qt::QueuedConnection);
  }
}

QAction* TFrmQiming::AddCommand(QMenu* menu, const QString& caption, std::function<void()> action) {
  QAction* item = menu->addAction(caption);
  if (action) connect(item, &QAction::triggered, this, [action = std::move(action)] { action(); });
  return item;
}

void TFrmQiming::BuildMenus() {
  QMenu* system = menuBar()->addMenu(QStringLiteral("系统(&F)"));
  AddCommand(system, QStringLiteral("新建起名"), nullptr);
  AddCommand(system, QStringLiteral("保存起名"), [this] { SaveNaming(); });
  AddCommand(system, QStringLiteral("打印设置"), [this] { PageSetup(); });
  AddCommand(system, QStringLiteral("打印"), [this] { PrintNaming(); });
  AddCommand(system, QStringLiteral("关闭软件"), [this] { ExitProgram(); });

  // The knowledge articles open with their codes once the article window exists.
  QMenu* knowledge = menuBar()->addMenu(QStringLiteral("起名百科(&Q)"));
  struct Article {
    const char16_t* caption;
    const char* code;
  };
  static const Article kArticles[] = {
      {u"姓名原理", "a1"},
      {u"姓名与命运", "XM010"},
      {u"姓名与性格", "XM002"},
      {u"五行与数字", "XM003"},
      {u"五格剖象法", "XM007"},
      {u"数理暗示因素 ", "XM006"},
      {u"81数理运势诱导", "XM008"},
      {u"姓名字划计算方法 ", "XM004"},
      {u"天人地格三才配置", "XM009"},
      {u"吉祥名字重要性", "XM012"},
      {u"姓名学知识与取名 ", "XM001"},
      {u"起名常用汉字繁体字", "XM001"},
      {nullptr, nullptr},
      {u"取名规则", "XM011"},
      {u"取笔名规则", "XM014"},
      {u"取艺名规则", "XM015"},
  };
  for (const Article& article : kArticles) {
    if (article.caption == nullptr) {
      knowledge->addSeparator();
      continue;
    }
    QAction* item = AddCommand(knowledge, QString::fromUtf16(article.caption), nullptr);
    item->setData(QString::fromLatin1(article.code));
  }

  QMenu* almanac = menuBar()->addMenu(QStringLiteral("吉日(&H)"));
  AddCommand(almanac, QStringLiteral("本日吉日"), nullptr);
  AddCommand(almanac, QStringLiteral("吉日分类查询"), nullptr);

  QMenu* dreams = menuBar()->addMenu(QStringLiteral("解梦(&J)"));
  AddCommand(dreams, QStringLiteral("周公解析"), nullptr);
  AddCommand(dreams, QStringLiteral("解梦全书"), nullptr);

  QMenu* omens = menuBar()->addMenu(QStringLiteral("民俗(&M)"));
  static const char16_t* const kOmens[][2] = {
      {u"打喷嚏占卜", u"打喷嚏占卜吉凶"}, {u"面热测占卜", u"面热测吉凶"},
      {u"心惊测占卜", u"心惊测吉凶"},     {u"犬吠测占卜", u"犬吠测吉凶"},
      {u"眼跳测占卜", u"眼跳测吉凶"},     {u"耳热测占卜", u"耳热测吉凶"},
      {u"耳鸣测占卜", u"耳鸣测吉凶"}};
  int omenIndex = 0;
  for (const auto& omen : kOmens) {
    QAction* item = AddCommand(omens, QString::fromUtf16(omen[0]), nullptr);
    item->setData(QStringList{QString::fromUtf16(omen[1]), QString::number(omenIndex++)});
  }

  QMenu* tools = menuBar()->addMenu(QStringLiteral("工具(&G)"));
  AddCommand(tools, QStringLiteral("手机号码分析"), nullptr);
  AddCommand(tools, QStringLiteral("QQ号码分析"), nullptr);
  AddCommand(tools, QStringLiteral("更多数字分析"), nullptr);
  AddCommand(tools, QStringLiteral("网名分析"), nullptr);
  tools->addSeparator();
  AddCommand(tools, QStringLiteral("生男生女"), nullptr);
  AddCommand(tools, QStringLiteral("万年历法"), [this] { OpenPerpetualCalendar(this); });

  QMenu* service = menuBar()->addMenu(QStringLiteral("服务(&R)"));
  AddCommand(service, QStringLiteral("客户服务"), nullptr);
  AddCommand(service, QStringLiteral("给我们发邮件"),
             [this] { OpenUrl(QStringLiteral("mailto:") + kSupportMail); });
  AddCommand(service, QStringLiteral("与QQ对话"), [this] { OpenUrl(kChatLink); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
  AddCommand(help, QStringLiteral("软件主页"), [this] { OpenUrl(kHomePage); });
  AddCommand(help, QStringLiteral("软件帮助"), [this] {
    ShowInfoMessage(
        QStringLiteral("使用中遇到问题，请发邮件到 %1 ，我们会尽快答复您！").arg(kSupportMail),
        this);
  });
  AddCommand(help, QStringLiteral("关于软件"), nullptr);
  AddCommand(help, QStringLiteral("软件升级"), [this] {
    ShowInfoMessage(QStringLiteral("感谢你的使用,软件是最新版无需升级!"), this);
  });
}

void TFrmQiming::BuildToolBar() {
  MainToolBar = addToolBar(QStringLiteral("工具栏"));
  MainToolBar->setObjectName(QStringLiteral("MainToolBar"));
  MainToolBar->setMovable(false);
  MainToolBar->setIconSize(QSize(32, 32));
  MainToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  struct Button {
    const char16_t* caption;
    const char16_t* glyph;
    QColor tile;
    std::function<void()> action;
  };
  const Button buttons[] = {
      {u"快速起名", u"名", QColor(0xC6, 0x28, 0x28), nullptr},
      {u"八字奥秘", u"八", QColor(0x6A, 0x1B, 0x9A), nullptr},
      {u"姓名分析", u"析", QColor(0x15, 0x65, 0xC0), [this] { OpenNameAnalysisFromFields(); }},
      {u"五行查询", u"行", QColor(0x2E, 0x7D, 0x32), nullptr},
      {u"五格数理", u"格", QColor(0xEF, 0x6C, 0x00), nullptr},
      {u"三才参数", u"才", QColor(0x00, 0x83, 0x8F), nullptr},
      {u"黄道吉日", u"吉", QColor(0xD8, 0x43, 0x15), nullptr},
      {u"周公解梦", u"梦", QColor(0x45, 0x5A, 0x64), nullptr},
      {u"生男生女", u"子", QColor(0xAD, 0x14, 0x57), nullptr},
      {u"万年历法", u"历", QColor(0x4E, 0x34, 0x2E), [this] { OpenPerpetualCalendar(this); }},
      {u"退出软件", u"退", QColor(0x61, 0x61, 0x61), [this] { ExitProgram(); }},
  };
  for (const Button& button : buttons) {
    QAction* action =
        MainToolBar->addAction(GlyphIcon(QString::fromUtf16(button.glyph), button.tile),
                               QString::fromUtf16(button.caption));
    if (button.action) connect(action, &QAction::triggered, this, button.action);
  }
}

QWidget* TFrmQiming::BuildTopPanel() {
  auto* panel = new QGroupBox;
  panel->setObjectName(QStringLiteral("TopPanel"));
  auto* outer = new QHBoxLayout(panel);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  outer->addLayout(grid, 1);

  auto label = [](const QString& text, QWidget* buddy = nullptr) {
    auto* l = new QLabel(text);
    if (buddy != nullptr) l->setBuddy(buddy);
    return l;
  };
  auto row = [&grid](int r, std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    line->setSpacing(4);
    for (QWidget* w : widgets) line->addWidget(w);
    line->addStretch(1);
    grid->addLayout(line, r, 0);
  };

  Xing = Edit(QString(), QStringLiteral("姓氏"), 80);
  Xing->setObjectName(QStringLiteral("Xing"));
  CBsex = FixedList({QStringLiteral("男"), QStringLiteral("女")}, QStringLiteral("性别"));
  CBsex->setObjectName(QStringLiteral("CBsex"));
  ComDate = FixedList({QStringLiteral("公历"), QStringLiteral("农历")}, QStringLiteral("生日"));
  ComDate->setObjectName(QStringLiteral("ComDate"));
  SYear = EditableList(NumberItems(1900, 2040, 4), QStringLiteral("2010"), QStringLiteral("年"));
  SYear->setObjectName(QStringLiteral("SYear"));
  SMonth = EditableList(NumberItems(1, 12, 2), QStringLiteral("01"), QStringLiteral("月"));
  SMonth->setObjectName(QStringLiteral("SMonth"));
  Sday = EditableList(NumberItems(1, 31, 2), QStringLiteral("01"), QStringLiteral("日"));
  Sday->setObjectName(QStringLiteral("Sday"));
  Shour = EditableList(HourItems(), QStringLiteral("子 0"), QStringLiteral("时"));
  Shour->setObjectName(QStringLiteral("Shour"));
  CBFen = EditableList(NumberItems(0, 59, 2), QStringLiteral("01"), QStringLiteral("分"));
  CBFen->setObjectName(QStringLiteral("CBFen"));
  row(0,
      {label(QStringLiteral("姓氏"), Xing), Xing, label(QStringLiteral("性别"), CBsex), CBsex,
       label(QStringLiteral("生日"), ComDate), ComDate, SYear, label(QStringLiteral("年"), SYear),
       SMonth, label(QStringLiteral("月"), SMonth), Sday, label(QStringLiteral("日"), Sday), Shour,
       label(QStringLiteral("时"), Shour), CBFen, label(QStringLiteral("分"), CBFen)});

  CBjin = Check(QStringLiteral("金"), QStringLiteral("金"));
  CBjin->setObjectName(QStringLiteral("CBjin"));
  CBMu = Check(QStringLiteral("木"), QStringLiteral("木"));
  CBMu->setObjectName(QStringLiteral("CBMu"));
  CBshui = Check(QStringLiteral("水"), QStringLiteral("水"));
  CBshui->setObjectName(QStringLiteral("CBshui"));
  CBhuo = Check(QStringLiteral("火"), QStringLiteral("火"));
  CBhuo->setObjectName(QStringLiteral("CBhuo"));
  CBTu = Check(QStringLiteral("土"), QStringLiteral("土"));
  CBTu->setObjectName(QStringLiteral("CBTu"));
  CBzhishukongz = Check(QStringLiteral("第"), QStringLiteral("固定字位置"));
  CBzhishukongz->setObjectName(QStringLiteral("CBzhishukongz"));
  CBdijizi =
      FixedList({QStringLiteral("第二字"), QStringLiteral("第三字")}, QStringLiteral("固定第几字"));
  CBdijizi->setObjectName(QStringLiteral("CBdijizi"));
  Gudingzi = Edit(QString(), QStringLiteral("固定为"), 40);
  Gudingzi->setValidator(new GbkLengthValidator(2, Gudingzi));
  Gudingzi->setObjectName(QStringLiteral("Gudingzi"));
  row(1, {label(QStringLiteral("五行包括")), CBjin, CBMu, CBshui, CBhuo, CBTu,
          new QLabel(QStringLiteral("  ")), CBzhishukongz, CBdijizi,
          label(QStringLiteral("固定为"), Gudingzi), Gudingzi});

  CBCode = FixedList({QStringLiteral("电脑全自动")}, QStringLiteral("优选方案"));
  CBCode->setObjectName(QStringLiteral("CBCode"));
  CBCode->setMinimumContentsLength(14);
  CBCode->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  CBXingshi =
      FixedList({QStringLiteral("双字名"), QStringLiteral("单字名")}, QStringLiteral("名字形式"));
  CBXingshi->setObjectName(QStringLiteral("CBXingshi"));
  row(2, {label(QStringLiteral("优选方案"), CBCode), CBCode,
          label(QStringLiteral("名字形式"), CBXingshi), CBXingshi});

  CBFeeXX = Check(QStringLiteral("只起"), QStringLiteral("只起"));
  CBFeeXX->setObjectName(QStringLiteral("CBFeeXX"));
  ZuidiFee = Edit(QStringLiteral("80"), QStringLiteral("只起多少分以上名字"), 36);
  ZuidiFee->setObjectName(QStringLiteral("ZuidiFee"));
  CBInitFee = Check(QStringLiteral("自动挑选"), QStringLiteral("自动挑选"));
  CBInitFee->setObjectName(QStringLiteral("CBInitFee"));
  CBInitFee->setChecked(true);
  Sorcss = Edit(QStringLiteral("95"), QStringLiteral("自动挑选多少分以上名字"), 36);
  Sorcss->setObjectName(QStringLiteral("Sorcss"));
  row(3, {CBFeeXX, ZuidiFee, label(QStringLiteral("分以上名字"), ZuidiFee),
          new QLabel(QStringLiteral("    ")), CBInitFee, Sorcss,
          label(QStringLiteral("分以上名字"), Sorcss)});

  auto* buttons = new QVBoxLayout;
  StartButton = new QPushButton(QStringLiteral("马上起名"));
  StartButton->setObjectName(QStringLiteral("StartButton"));
  StopButton = new QPushButton(QStringLiteral("停止起名"));
  StopButton->setObjectName(QStringLiteral("StopButton"));
  ExitButton = new QPushButton(QStringLiteral("退出软件"));
  ExitButton->setObjectName(QStringLiteral("ExitButton"));
  for (QPushButton* button : {StartButton, StopButton, ExitButton}) buttons->addWidget(button);
  buttons->addStretch(1);
  outer->addLayout(buttons);
  connect(StartButton, &QPushButton::clicked, this, &TFrmQiming::StartNaming);
  connect(StopButton, &QPushButton::clicked, this, &TFrmQiming::StopNaming);
  connect(ExitButton, &QPushButton::clicked, this, &TFrmQiming::ExitProgram);
  return panel;
}

QWidget* TFrmQiming::BuildPanes() {
  auto* holder = new QWidget;
  auto* layout = new QHBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* splitter = new QSplitter(Qt::Horizontal);

  // REbazi and MemoSuoyou are work panes nobody sees.
  auto* mainArea = new QWidget;
  auto* mainLayout = new QVBoxLayout(mainArea);
  mainLayout->setContentsMargins(0, 0, 0, 0);
  MemoSuccess = Pane(QStringLiteral("起名结果"));
  MemoSuccess->setObjectName(QStringLiteral("MemoSuccess"));
  MemoSuccess->setPlainText(IntroductionLines().join(QChar(u'\n')));
  REbazi = Pane(QStringLiteral("八字"));
  REbazi->setObjectName(QStringLiteral("REbazi"));
  REbazi->setVisible(false);
  MemoSuoyou = Pane(QStringLiteral("名字交接"));
  MemoSuoyou->setObjectName(QStringLiteral("MemoSuoyou"));
  MemoSuoyou->setVisible(false);
  mainLayout->addWidget(MemoSuccess);
  mainLayout->addWidget(REbazi);
  mainLayout->addWidget(MemoSuoyou);

  ResultTabs = new QTabWidget;
  ResultTabs->setObjectName(QStringLiteral("ResultTabs"));
  GoodName = Pane(QStringLiteral("高分名字"));
  GoodName->setObjectName(QStringLiteral("GoodName"));
  QPalette palette = GoodName->palette();
  palette.setColor(QPalette::Text, QColor(0xD0, 0x00, 0x00));
  GoodName->setPalette(palette);
  ResultTabs->addTab(GoodName, QStringLiteral("高分名字"));

  splitter->addWidget(mainArea);
  splitter->addWidget(ResultTabs);
  splitter->setStretchFactor(0, 4);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({600, 180});
  layout->addWidget(splitter);
  return holder;
}

void TFrmQiming::BuildStatusBar() {
  StatusContact = new QLabel(kContactLine);
  StatusContact->setObjectName(QStringLiteral("StatusContact"));
  StatusContact->setFixedWidth(230);
  StatusMarquee = new Marquee(
      QStringLiteral("欢迎使用Zorvan起名软件，我们提供人工起名服务，按一次 200.00 起到满意为止!"));
  StatusMarquee->setObjectName(QStringLiteral("StatusMarquee"));
  statusBar()->addWidget(StatusContact);
  statusBar()->addWidget(StatusMarquee, 1);
}

void TFrmQiming::ConnectFieldEvents() {
  for (QWidget* field : {static_cast<QWidget*>(Xing), static_cast<QWidget*>(Gudingzi),
                         static_cast<QWidget*>(ZuidiFee), static_cast<QWidget*>(Sorcss)}) {
    field->installEventFilter(this);
  }
  connect(CBXingshi, &QComboBox::activated, this, [this] { CBXingshiClick(); });
  connect(CBFeeXX, &QCheckBox::clicked, this, [this] { CBFeeXXClick(); });
}

bool TFrmQiming::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !exiting_) {
    if (watched == Xing) {
      XingExit();
    } else if (watched == Gudingzi) {
      GudingziExit();
    } else if (watched == ZuidiFee) {
      ZuidiFeeExit();
    } else if (watched == Sorcss) {
      SorcssExit();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFrmQiming::RefreshIfSurname() {
  QString surname = Trimmed(Xing->text());
  if (!surname.isEmpty()) RefreshCombinations(surname);
}

void TFrmQiming::RefreshCombinations(const QString& surname) {
  if (refreshHook_) {
    refreshHook_(*this, surname);
    return;
  }
  if (!lookup_) return;
  NamingInputs inputs = ReadNamingInputs();
  inputs.Xing = ToGbk(surname);
  try {
    CombinationList list = zorvan::RefreshCombinations(*lookup_, inputs);
    nameFormCode_ = list.code;
    CBCode->clear();
    CBCode->addItems(FromGbkLines(list.items));
    CBCode->setCurrentIndex(list.selected);
  } catch (const std::exception& e) {
    lookup_->Close();
    ShowErrorReport(FromGbk(e.what()), this);
  }
}

NamingInputs TFrmQiming::ReadNamingInputs() const {
  NamingInputs inputs;
  inputs.Xing = ToGbk(Xing->text());
  inputs.CBsex = CBsex->currentIndex();
  inputs.CBjin = CBjin->isChecked();
  inputs.CBMu = CBMu->isChecked();
  inputs.CBshui = CBshui->isChecked();
  inputs.CBhuo = CBhuo->isChecked();
  inputs.CBTu = CBTu->isChecked();
  inputs.CBzhishukongz = CBzhishukongz->isChecked();
  inputs.CBdijizi = CBdijizi->currentIndex();
  inputs.Gudingzi = ToGbk(Gudingzi->text());
  inputs.CBXingshi = CBXingshi->currentIndex();
  inputs.CBFeeXX = CBFeeXX->isChecked();
  inputs.ZuidiFee = ToGbk(ZuidiFee->text());
  inputs.CBInitFee = CBInitFee->isChecked();
  inputs.Sorcss = ToGbk(Sorcss->text());
  for (int i = 0; i < CBCode->count(); ++i)
    inputs.CBCodeItems.push_back(ToGbk(CBCode->itemText(i)));
  inputs.CBCode = ToGbk(CBCode->currentText());
  return inputs;
}

void TFrmQiming::XingExit() { RefreshIfSurname(); }
void TFrmQiming::GudingziExit() { RefreshIfSurname(); }

void TFrmQiming::ZuidiFeeExit() {
  std::string text = Trim(ToGbk(ZuidiFee->text()));
  if (!text.empty() && !IsDecimalInteger(text)) ZuidiFee->setText(QStringLiteral("70"));
  RefreshIfSurname();
}

void TFrmQiming::SorcssExit() {
  std::string text = Trim(ToGbk(Sorcss->text()));
  if (!text.empty() && !IsDecimalInteger(text)) Sorcss->setText(QStringLiteral("95"));
}

void TFrmQiming::CBXingshiClick() {
  bool single = CBXingshi->currentIndex() == 1;
  if (single) {
    CBzhishukongz->setChecked(false);
    Gudingzi->clear();
  }
  CBzhishukongz->setEnabled(!single);
  CBdijizi->setEnabled(!single);
  RefreshIfSurname();
}

void TFrmQiming::CBFeeXXClick() { RefreshIfSurname(); }

void TFrmQiming::StartNaming() {
  // A run still in progress runs to its end first (unless it was stopped).
  EndWorker();
  runShown_ = false;
  sink_ = std::make_unique<NamingEventBatcher>([this](std::vector<NamingEvent> events) {
    QMetaObject::invokeMethod(
        this,
        [this, events = std::move(events)]() mutable { QueueNamingEvents(std::move(events)); },
        Qt::QueuedConnection);
  });
  worker_ = std::make_unique<TMythread>(ReadNamingInputs(), ConnectionStringFor(kNamingDb),
                                        runFlag_, *sink_);
}

void TFrmQiming::StopNaming() { runFlag_ = false; }

bool TFrmQiming::NamingInProgress() const { return !runShown_; }

void TFrmQiming::EndWorker() {
  if (worker_) worker_->WaitFor();
  worker_.reset();
  sink_.reset();
  // Show what the ended run handed over before anything new starts.
  QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
  ApplyNamingEvents(std::numeric_limits<size_t>::max());
}

void TFrmQiming::WaitForNaming() { EndWorker(); }

// Rows arrive in batches, in the order the run wrote them. They are shown a
// slice at a time so the window keeps answering while a long listing fills;
// consecutive lines for one pane are appended in one go.
void TFrmQiming::QueueNamingEvents(std::vector<NamingEvent> events) {
  for (NamingEvent& event : events) namingEvents_.push_back(std::move(event));
  if (drainScheduled_) return;
  drainScheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    drainScheduled_ = false;
    ApplyNamingEvents(kLinesPerSlice);
    if (!namingEvents_.empty()) QueueNamingEvents({});
  });
}

void TFrmQiming::ApplyNamingEvents(size_t maxLines) {
  QStringList success;
  QStringList good;
  auto flush = [&] {
    if (!success.isEmpty()) MemoSuccess->appendPlainText(success.join(QChar(u'\n')));
    if (!good.isEmpty()) GoodName->appendPlainText(good.join(QChar(u'\n')));
    success.clear();
    good.clear();
  };
  for (size_t lines = 0; !namingEvents_.empty() && lines < maxLines; namingEvents_.pop_front()) {
    const NamingEvent& event = namingEvents_.front();
    switch (event.kind) {
      case NamingEvent::Kind::ClearSuccess:
        flush();
        MemoSuccess->clear();
        break;
      case NamingEvent::Kind::ClearGoodNames:
        flush();
        GoodName->clear();
        break;
      case NamingEvent::Kind::SuccessLine:
        if (!good.isEmpty()) flush();
        success << FromGbk(event.text);
        ++lines;
        break;
      case NamingEvent::Kind::GoodName:
        if (!success.isEmpty()) flush();
        good << FromGbk(event.text);
        ++lines;
        break;
      case NamingEvent::Kind::Finished:
        runShown_ = true;
        break;
    }
  }
  flush();
}

void TFrmQiming::SaveNaming() {
  if (Trim(ToGbk(MemoSuccess->toPlainText())).empty()) return;
  QStringList lines = MemoSuccess->toPlainText().split(QChar(u'\n'));
  SaveLinesAsGbkText(this, lines, Trimmed(Xing->text()));
}

void TFrmQiming::PageSetup() { printer_->PageSetup(this); }

void TFrmQiming::PrintNaming() {
  printer_->Print(this, MemoSuccess->toPlainText().split(QChar(u'\n')));
}

void TFrmQiming::OpenNameAnalysisFromFields() {
  OpenNameAnalysis(this, Trimmed(Xing->text()), Trimmed(CBsex->currentText()), SYear->currentText(),
                   SMonth->currentText(), Sday->currentText(), Shour->currentText(),
                   CBFen->currentText(), ComDate->currentIndex());
}

void TFrmQiming::OpenUrl(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

void TFrmQiming::ExitProgram() {
  exiting_ = true;
  runFlag_ = false;
  lookup_.reset();
  connection_.reset();
  QApplication::quit();
  QFile::remove(QString::fromStdString(ProgramDirectory()) + QStringLiteral("Zorvan.ldb"));
  ProcessEndStep()();
}

void TFrmQiming::closeEvent(QCloseEvent* event) {
  event->accept();
  ExitProgram();
}

}  // namespace zorvan
