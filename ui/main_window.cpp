// The window's controls, their places and initial contents, and which action
// each button runs. The actions live in files of their own.
#include "ui/main_window.h"

#include <QFont>
#include <QFontMetricsF>

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
#include "ui/work_folder.h"

namespace bellnozzle::ui {
namespace {

constexpr int kEntryHeight = 21;
constexpr int kLabelHeight = 16;
constexpr int kButtonWidth = 97;
constexpr int kButtonHeight = 25;

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
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
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
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
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
    // The client area keeps the layout's size: outer size 1211 x 551 less the
    // frame and the title bar of the system the layout was made on.
    ClientArea = new QWidget(this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    BuildInputs();
    BuildMeshGroup();
    BuildButtons();
    BuildPanes();
    SetKeyboardOrder();
    BuildMenus();
    const int menuHeight = MenuBar1->sizeHint().height();
    MenuBar1->setGeometry(0, 0, 1195, menuHeight);
    ClientArea->setGeometry(0, menuHeight, 1195, 513);
    setFixedSize(1195, 513 + menuHeight);
    // The third item, so the length can be read through the selection at once.
    ComboBox1->SetItemIndex(2);
}

void TForm1::BuildMenus() {
    MenuBar1 = new QMenuBar(this);
    MenuProjeto = MenuBar1->addMenu(QString::fromUtf8("&Projeto"));
    MenuExportar = MenuBar1->addMenu(QString::fromUtf8("&Exportar"));
    MenuSimulacao = MenuBar1->addMenu(QString::fromUtf8("&Simulação"));
    MenuAjuda = MenuBar1->addMenu(QString::fromUtf8("A&juda"));
    // The buttons' actions, reachable from the keyboard too; the menus run
    // the same handlers.
    AddMenuItem(MenuProjeto, "Cálculo", [this] { Button2Click(); });
    AddMenuItem(MenuProjeto, "Gráficos", [this] { Button1Click(); });
    AddContourMethodMenu(*this);
    AddCompareMenuItem(*this);
    MenuProjeto->addSeparator();
    AddMenuItem(MenuExportar, "blockMesh", [this] { Button4Click(); });
    AddMenuItem(MenuExportar, "gmesh", [this] { Button5Click(); });
    AddMenuItem(MenuExportar, "gmesh2", [this] { Button6Click(); });
    AddMenuItem(MenuExportar, "PovRay", [this] { Button3Click(); });
    MenuExportar->addSeparator();
    // Each feature below adds its own items.
    AddCaseMenuItems(*this);
    AddCadMenuItems(*this);
    AddSummaryMenuItems(*this);
    AddAnalysisMenuItem(*this);
    AddMeshMenuItems(*this);
    AddSweepMenuItem(*this);
    AddWorkFolderMenuItem(*this);
    AddMenuItem(MenuAjuda, "Sobre o bellnozzle", [this] { ShowAbout(this); });
}

void TForm1::BuildInputs() {
    GroupBox1 = new QGroupBox(QString::fromUtf8("Entradas"), ClientArea);
    GroupBox1->setGeometry(808, 8, 377, 113);
    Label1 = MakeLabel(GroupBox1, "Diâmetro garganta (cm)", 8, 32);
    Edit1 = MakeEdit(GroupBox1, "5.0", 136, 32, 57);
    Label2 = MakeLabel(GroupBox1, "Comprimento", 8, 56);
    ComboBox1 = new TCustomComboBox(GroupBox1);
    ComboBox1->setGeometry(136, 56, 73, kEntryHeight);
    for (const char* item : {"60%", "70%", "80%", "90%", "100%"}) ComboBox1->AddItem(item);
    Label3 = MakeLabel(GroupBox1, "epsilon (5-50)", 8, 80);
    Edit3 = MakeEdit(GroupBox1, "10", 136, 80, 57);
    Label5 = MakeLabel(GroupBox1, "theta_n (graus)", 224, 32);
    Edit2 = MakeEdit(GroupBox1, "", 304, 32, 57);
    Edit2->setReadOnly(true);
    Label6 = MakeLabel(GroupBox1, "theta_s (graus)", 224, 56);
    Edit4 = MakeEdit(GroupBox1, "", 304, 56, 57);
    Edit4->setReadOnly(true);
    CheckBox1 = new TCheckBox("bocal cônico", GroupBox1);
    CheckBox1->setGeometry(280, 80, 90, 17 + 4);
}

void TForm1::BuildMeshGroup() {
    GroupBox2 = new QGroupBox(QStringLiteral("Mesh"), ClientArea);
    GroupBox2->setGeometry(112, 72, 121, 81);
    Label7 = MakeLabel(GroupBox2, "NX", 24, 24);
    Edit5 = MakeEdit(GroupBox2, "100", 48, 24, 41);
    Label8 = MakeLabel(GroupBox2, "NY", 24, 48);
    Edit6 = MakeEdit(GroupBox2, "20", 48, 48, 41);
}

void TForm1::BuildButtons() {
    Button1 = MakeButton(ClientArea, "Gráficos", 8, 8);
    Button2 = MakeButton(ClientArea, "Cálculo", 112, 8);
    Button4 = MakeButton(ClientArea, "blockMesh", 8, 40);
    Button5 = MakeButton(ClientArea, "gmesh", 112, 40);
    Button3 = MakeButton(ClientArea, "PovRay", 8, 72);
    Button6 = MakeButton(ClientArea, "gmesh2", 8, 104);
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
    Memo1 = new TMemo(ClientArea);
    Memo1->setGeometry(8, 160, 241, 345);
    Memo1->setFont(MemoFont());
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    // Tab stops every eight characters, as text panes usually have them, so
    // the point columns of the files stay narrow.
    Memo1->setTabStopDistance(8 * QFontMetricsF(Memo1->font()).horizontalAdvance(QLatin1Char(' ')));

    Image1 = new TImage(ClientArea);
    Image1->setGeometry(256, 8, 546, 496);
    Image1->GetPicture()->Assign(DrawChartPicture());

    Chart1 = new TCustomAxisPanel(ClientArea, {clRed, clGreen, clYellow, clBlue, clWhite, clGray, clFuchsia,
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
