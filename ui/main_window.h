// The one window: design inputs and angles, mesh cell counts, six buttons, the
// text pane, the picture pane and the line chart, under their usual names.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>

#include "ui/vcl_layer.h"

namespace bellnozzle::ui {

class TForm1 : public QWidget {
public:
    TForm1();

    // Click handlers; each runs its action to the end, an error it raises
    // ends it and is shown in the error box.
    void Button1Click();  // "Gráficos"
    void Button2Click();  // "Cálculo"
    void Button3Click();  // "PovRay"
    void Button4Click();  // "blockMesh"
    void Button5Click();  // "gmesh"
    void Button6Click();  // "gmesh2"

    void RunDesignCalculation();
    void RunConicalDesign();
    void ShowAngleCharts();
    void DrawMeshPreview();

    // The menus sit above the controls, which keep their places in the
    // client area below. At the stored size the client area shows the
    // controls exactly where the layout puts them; a larger window gives the
    // room to the text pane, the picture pane and the chart, and a smaller
    // one scrolls the controls rather than cutting them off.
    QMenuBar* MenuBar1;
    QMenu* MenuProjeto;
    QMenu* MenuExportar;
    QMenu* MenuSimulacao;
    QMenu* MenuAjuda;
    QScrollArea* ClientArea;
    // The controls' parent inside the client area.
    QWidget* Client;

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label5;
    QLabel* Label6;
    TEdit* Edit1;
    TCustomComboBox* ComboBox1;
    TEdit* Edit3;
    TEdit* Edit2;
    TEdit* Edit4;
    TCheckBox* CheckBox1;

    QGroupBox* GroupBox2;
    QLabel* Label7;
    QLabel* Label8;
    TEdit* Edit5;
    TEdit* Edit6;

    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* Button6;

    TMemo* Memo1;
    TImage* Image1;
    TCustomAxisPanel* Chart1;

    // Places the panes for a client area of this size (at least the stored
    // 1195 x 513).
    void PlaceControls(const QSize& client);

protected:
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    void AddWindowItems();
    void DescribeControls();
    void BuildInputs();
    void BuildMeshGroup();
    void BuildButtons();
    void BuildPanes();
    void SetKeyboardOrder();
    // The mesh cell counts of "NX" and "NY".
    std::int32_t AxialCells() const;
    std::int32_t RadialCells() const;
    // Shows the exported file and the wedge preview after an export.
    void ShowExport(const char* fileName);
};

}  // namespace bellnozzle::ui
