// The window's controls, their places and initial contents, and which action
// each button runs. The actions live in files of their own.
#include "ui/main_window.h"

#include <QFont>
#include <QFontMetricsF>
#include <QKeySequence>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "core/entry_conversion.h"
#include "ui/chart_picture.h"
#include "ui/about_box.h"
#include "ui/analysis_menu.h"
#include "ui/case_menu.h"
#include "ui/cad_menu.h"
#include "ui/compare_menu.h"
#include "ui/contour_method_menu.h"
#include "ui/menu_items.h"
#include "ui/summary_menu.h"
#include "ui/sweep_menu.h"
#include "ui/mesh_menu.h"
#include "ui/language.h"
#include "ui/ui_text.h"
#include "ui/work_folder.h"

namespace bellnozzle::ui {
namespace {

constexpr int kEntryHeight = 21;
constexpr int kLabelHeight = 16;
constexpr int kButtonWidth = 97;
constexpr int kButtonHeight = 25;
// The client area of the stored layout.
constexpr int kClientWidth = 1195;
constexpr int kClientHeight = 513;

// The controls' parent: lays the panes out again whenever its size changes.
class TClient : public QWidget {
public:
    explicit TClient(TForm1& form) : QWidget(&form), form_(form) {
        setObjectName(QStringLiteral("Client"));
        setMinimumSize(kClientWidth, kClientHeight);
    }

protected:
    void resizeEvent(QResizeEvent* event) override { form_.PlaceControls(event->size()); }

private:
    TForm1& form_;
};

// The fonts the layout was made for are Windows fonts; where they are missing
// the style hint picks a plain sans and a monospace. The sans is a little
// wider than the one the layout was made for, so a semi-condensed cut keeps
// each label clear of the entry beside it.
QFont WindowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

QFont MemoFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(11);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* caption, int left, int top) {
    auto* label = new QLabel(parent);
    SetCaption(label, caption);
    label->move(left, top + (kEntryHeight - kLabelHeight) / 2);
    label->adjustSize();
    return label;
}

TEdit* MakeEdit(QWidget* parent, const char* text, int left, int top, int width) {
    auto* edit = new TEdit(parent);
    edit->setGeometry(left, top, width, kEntryHeight);
    edit->SetText(text);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* caption, int left, int top) {
    auto* button = new QPushButton(parent);
    SetCaption(button, caption);
    button->setGeometry(left, top, kButtonWidth, kButtonHeight);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TForm1::TForm1() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8("Perfil Zelto 1.0"));
    setFont(WindowFont());
    move(91, 109);
    // The client area starts at the layout's size: outer size 1211 x 551 less
    // the frame and the title bar of the system the layout was made on.
    ClientArea = new QScrollArea(this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    ClientArea->setFrameShape(QFrame::NoFrame);
    ClientArea->setWidgetResizable(true);
    Client = new TClient(*this);
    BuildInputs();
    BuildMeshGroup();
    BuildButtons();
    BuildPanes();
    SetKeyboardOrder();
    BuildMenus();
    AddWindowItems();
    DescribeControls();
    ClientArea->setWidget(Client);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MenuBar1);
    layout->addWidget(ClientArea);
    resize(kClientWidth, kClientHeight + MenuBar1->sizeHint().height());
    // The third item, so the length can be read through the selection at once.
    ComboBox1->SetItemIndex(2);
}

void TForm1::PlaceControls(const QSize& client) {
    // The room beyond the stored layout goes a quarter to the text pane and
    // the rest in equal parts to the picture pane and the chart; the inputs
    // stay above the chart and the buttons at the top left.
    const int wider = std::max(0, client.width() - kClientWidth);
    const int taller = std::max(0, client.height() - kClientHeight);
    const int memo = wider / 4;
    const int picture = (wider - memo) / 2;
    const int chart = wider - memo - picture;
    Memo1->setGeometry(8, 160, 241 + memo, 345 + taller);
    Image1->setGeometry(256 + memo, 8, 546 + picture, 496 + taller);
    GroupBox1->move(808 + memo + picture, 8);
    Chart1->setGeometry(808 + memo + picture, 128, 369 + chart, 377 + taller);
}

void TForm1::BuildMenus() {
    MenuBar1 = new QMenuBar(this);
    MenuProjeto = MenuBar1->addMenu(QString());
    MenuExportar = MenuBar1->addMenu(QString());
    MenuSimulacao = MenuBar1->addMenu(QString());
    MenuAjuda = MenuBar1->addMenu(QString());
    SetCaption(MenuProjeto, QT_TRANSLATE_NOOP("Ui", "&Projeto"));
    SetCaption(MenuExportar, QT_TRANSLATE_NOOP("Ui", "&Exportar"));
    SetCaption(MenuSimulacao, QT_TRANSLATE_NOOP("Ui", "&Simulação"));
    SetCaption(MenuAjuda, QT_TRANSLATE_NOOP("Ui", "A&juda"));
    // The buttons' actions, reachable from the keyboard too; the menus run
    // the same handlers.
    AddMenuItem(MenuProjeto, QT_TRANSLATE_NOOP("Ui", "Cálculo"),
                QT_TRANSLATE_NOOP("Ui", "Projeta o bocal com as entradas e grava zelto_perfil.txt"),
                [this] { Button2Click(); }, QKeySequence(Qt::CTRL | Qt::Key_K));
    AddMenuItem(MenuProjeto, QT_TRANSLATE_NOOP("Ui", "Gráficos"),
                QT_TRANSLATE_NOOP("Ui", "Mostra theta.bmp e as dez curvas do gráfico de projeto"),
                [this] { Button1Click(); }, QKeySequence(Qt::CTRL | Qt::Key_G));
    AddContourMethodMenu(*this);
    AddCompareMenuItem(*this);
    MenuProjeto->addSeparator();
    AddMenuItem(MenuExportar, "blockMesh",
                QT_TRANSLATE_NOOP("Ui", "Grava blockMeshDict.txt (OpenFOAM) do perfil da pasta"),
                [this] { Button4Click(); });
    AddMenuItem(MenuExportar, "gmesh",
                QT_TRANSLATE_NOOP("Ui", "Grava mesh.geo (Gmsh): a cunha de dois lados"),
                [this] { Button5Click(); });
    AddMenuItem(MenuExportar, "gmesh2",
                QT_TRANSLATE_NOOP("Ui", "Grava mesh.geo (Gmsh): a face girada em torno do eixo"),
                [this] { Button6Click(); });
    AddMenuItem(MenuExportar, "PovRay",
                QT_TRANSLATE_NOOP("Ui", "Grava nozzle1.pov (cena POV-Ray) do perfil da pasta"),
                [this] { Button3Click(); });
    MenuExportar->addSeparator();
    // Each feature below adds its own items.
    AddCaseMenuItems(*this);
    AddCadMenuItems(*this);
    AddSummaryMenuItems(*this);
    AddAnalysisMenuItem(*this);
    AddMeshMenuItems(*this);
    AddSweepMenuItem(*this);
    AddWorkFolderMenuItem(*this);
    AddMenuItem(MenuAjuda, QT_TRANSLATE_NOOP("Ui", "Ajuda..."),
                QT_TRANSLATE_NOOP("Ui", "Como usar a janela, e onde está o manual"), [this] { ShowHelp(this); },
                QKeySequence(QKeySequence::HelpContents));
    AddMenuItem(MenuAjuda, "Sobre o bellnozzle", [this] { ShowAbout(this); });
}

// The items every desktop program has, after the features' own.
void TForm1::AddWindowItems() {
    MenuProjeto->addSeparator();
    AddMenuItem(MenuProjeto, QT_TRANSLATE_NOOP("Ui", "Sair"), QT_TRANSLATE_NOOP("Ui", "Fecha a janela"),
                [this] { close(); }, QKeySequence(Qt::CTRL | Qt::Key_Q));
    for (QAction* item : MenuAjuda->actions()) {
        if (item->text() == QString::fromUtf8("Sobre o bellnozzle")) {
            SetCaption(item, QT_TRANSLATE_NOOP("Ui", "Sobre o bellnozzle"));
            SetToolTip(item, QT_TRANSLATE_NOOP("Ui", "A versão, o que o programa faz e a licença"));
        }
    }
    AddLanguageMenu(*this);
}

// What each control does and its unit, as a tooltip; Enter in a design
// entry runs "Cálculo".
void TForm1::DescribeControls() {
    const std::pair<QObject*, const char*> tips[] = {
        {Edit1, QT_TRANSLATE_NOOP("Ui", "Diâmetro da garganta, em cm")},
        {ComboBox1, QT_TRANSLATE_NOOP("Ui", "Comprimento do sino, em % do bocal cônico de 15 graus: escolha na lista")},
        {Edit3, QT_TRANSLATE_NOOP("Ui", "Razão de áreas saída/garganta; o gráfico cobre 5 a 50")},
        {Edit2, QT_TRANSLATE_NOOP("Ui", "Ângulo da parede no início da parábola, em graus (calculado)")},
        {Edit4, QT_TRANSLATE_NOOP("Ui", "Ângulo da parede na saída, em graus (calculado)")},
        {CheckBox1, QT_TRANSLATE_NOOP("Ui", "Projeta o bocal cônico de 15 graus em vez do sino")},
        {Edit5, QT_TRANSLATE_NOOP("Ui", "Número de células ao longo do eixo (blockMesh)")},
        {Edit6, QT_TRANSLATE_NOOP("Ui", "Número de células do eixo à parede (blockMesh)")},
        {Button1, QT_TRANSLATE_NOOP("Ui", "Mostra theta.bmp e as dez curvas do gráfico de projeto")},
        {Button2, QT_TRANSLATE_NOOP("Ui", "Projeta o bocal com as entradas e grava zelto_perfil.txt (Ctrl+K, Enter)")},
        {Button3, QT_TRANSLATE_NOOP("Ui", "Grava nozzle1.pov (cena POV-Ray) do perfil da pasta")},
        {Button4, QT_TRANSLATE_NOOP("Ui", "Grava blockMeshDict.txt (OpenFOAM) do perfil da pasta")},
        {Button5, QT_TRANSLATE_NOOP("Ui", "Grava mesh.geo (Gmsh): a cunha de dois lados")},
        {Button6, QT_TRANSLATE_NOOP("Ui", "Grava mesh.geo (Gmsh): a face girada em torno do eixo")},
        {Memo1, QT_TRANSLATE_NOOP("Ui", "O último arquivo gravado")},
        {Image1, QT_TRANSLATE_NOOP("Ui", "O gráfico de projeto, a prévia da cunha ou a imagem da última ação")},
        {Chart1, QT_TRANSLATE_NOOP("Ui", "O contorno (cm, mesma escala nos dois eixos) ou as curvas do gráfico")},
    };
    for (const auto& [control, tip] : tips) SetToolTip(control, tip);
    for (QLineEdit* entry : {static_cast<QLineEdit*>(Edit1), static_cast<QLineEdit*>(Edit3), ComboBox1->lineEdit()}) {
        QObject::connect(entry, &QLineEdit::returnPressed, Button2, &QPushButton::click);
    }
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        RetranslateTree(this);
        ShowWorkFolder(*this);
    }
    QWidget::changeEvent(event);
}

void TForm1::BuildInputs() {
    GroupBox1 = new QGroupBox(Client);
    SetCaption(GroupBox1, QT_TRANSLATE_NOOP("Ui", "Entradas"));
    GroupBox1->setGeometry(808, 8, 377, 113);
    Label1 = MakeLabel(GroupBox1, QT_TRANSLATE_NOOP("Ui", "Diâmetro garganta (cm)"), 8, 32);
    Edit1 = MakeEdit(GroupBox1, "5.0", 136, 32, 57);
    Label2 = MakeLabel(GroupBox1, QT_TRANSLATE_NOOP("Ui", "Comprimento"), 8, 56);
    ComboBox1 = new TCustomComboBox(GroupBox1);
    ComboBox1->setGeometry(136, 56, 73, kEntryHeight);
    for (const char* item : {"60%", "70%", "80%", "90%", "100%"}) ComboBox1->AddItem(item);
    Label3 = MakeLabel(GroupBox1, "epsilon (5-50)", 8, 80);
    Edit3 = MakeEdit(GroupBox1, "10", 136, 80, 57);
    Label5 = MakeLabel(GroupBox1, QT_TRANSLATE_NOOP("Ui", "theta_n (graus)"), 224, 32);
    Edit2 = MakeEdit(GroupBox1, "", 304, 32, 57);
    Edit2->setReadOnly(true);
    Label6 = MakeLabel(GroupBox1, QT_TRANSLATE_NOOP("Ui", "theta_s (graus)"), 224, 56);
    Edit4 = MakeEdit(GroupBox1, "", 304, 56, 57);
    Edit4->setReadOnly(true);
    CheckBox1 = new TCheckBox("", GroupBox1);
    SetCaption(CheckBox1, QT_TRANSLATE_NOOP("Ui", "bocal cônico"));
    CheckBox1->setGeometry(280, 80, 90, 17 + 4);
}

void TForm1::BuildMeshGroup() {
    GroupBox2 = new QGroupBox(QStringLiteral("Mesh"), Client);
    GroupBox2->setGeometry(112, 72, 121, 81);
    Label7 = MakeLabel(GroupBox2, "NX", 24, 24);
    Edit5 = MakeEdit(GroupBox2, "100", 48, 24, 41);
    Label8 = MakeLabel(GroupBox2, "NY", 24, 48);
    Edit6 = MakeEdit(GroupBox2, "20", 48, 48, 41);
}

void TForm1::BuildButtons() {
    Button1 = MakeButton(Client, QT_TRANSLATE_NOOP("Ui", "Gráficos"), 8, 8);
    Button2 = MakeButton(Client, QT_TRANSLATE_NOOP("Ui", "Cálculo"), 112, 8);
    Button4 = MakeButton(Client, "blockMesh", 8, 40);
    Button5 = MakeButton(Client, "gmesh", 112, 40);
    Button3 = MakeButton(Client, "PovRay", 8, 72);
    Button6 = MakeButton(Client, "gmesh2", 8, 104);
    const struct {
        QPushButton* button;
        void (TForm1::*handler)();
    } wiring[] = {{Button1, &TForm1::Button1Click}, {Button2, &TForm1::Button2Click},
                  {Button3, &TForm1::Button3Click}, {Button4, &TForm1::Button4Click},
                  {Button5, &TForm1::Button5Click}, {Button6, &TForm1::Button6Click}};
    for (const auto& wire : wiring) {
        const auto handler = wire.handler;
        QObject::connect(wire.button, &QPushButton::clicked, this,
                         [this, handler] { Application->RunGuarded([this, handler] { (this->*handler)(); }); });
    }
}

void TForm1::BuildPanes() {
    Memo1 = new TMemo(Client);
    Memo1->setGeometry(8, 160, 241, 345);
    Memo1->setFont(MemoFont());
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    // Tab stops every eight characters, as text panes usually have them, so
    // the point columns of the files stay narrow.
    Memo1->setTabStopDistance(8 * QFontMetricsF(Memo1->font()).horizontalAdvance(QLatin1Char(' ')));

    Image1 = new TImage(Client);
    Image1->setGeometry(256, 8, 546, 496);
    Image1->GetPicture()->Assign(DrawChartPicture());

    Chart1 = new TCustomAxisPanel(Client, {clRed, clGreen, clYellow, clBlue, clWhite, clGray, clFuchsia,
                                         clTeal, clNavy, clMaroon});
    Chart1->setGeometry(808, 128, 369, 377);
    Chart1->setFocusPolicy(Qt::TabFocus);
}

void TForm1::SetKeyboardOrder() {
    QWidget* const order[] = {Edit1, Edit3, ComboBox1, Edit2, Edit4,   CheckBox1, Button1, Memo1,
                              Chart1, Button2, Edit5, Edit6, Button4, Button3, Button5, Button6};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

std::int32_t TForm1::AxialCells() const { return ConvertCount(Edit5->GetText()); }

std::int32_t TForm1::RadialCells() const { return ConvertCount(Edit6->GetText()); }

}  // namespace bellnozzle::ui
