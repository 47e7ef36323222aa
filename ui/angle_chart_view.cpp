// "Gráficos": the chart bitmap in the picture pane and the ten chart curves,
// sampled at every whole epsilon from 5 to 50, in the line chart.
#include "core/file_names.h"
#include "core/wall_angle_chart.h"
#include "ui/compare_menu.h"
#include "ui/main_window.h"

namespace bellnozzle::ui {

void TForm1::Button1Click() { ShowAngleCharts(); }

void TForm1::ShowAngleCharts() {
    // A missing or broken bitmap raises here, before the chart is touched.
    Image1->GetPicture()->LoadFromFile(kChartBitmapFileName);
    Image1->PictureChanged();
    for (int series = 0; series < 10; ++series) Chart1->GetSeries(series)->Clear();
    ClearComparisonLegend(*this);
    for (int i = 0; i < 5; ++i) {
        const float lengthPercent = static_cast<float>(60 + 10 * i);
        for (float epsilon = 5.0f; epsilon <= 50.0f; epsilon += 1.0f) {
            float thetaN = 0.0f;
            float thetaS = 0.0f;
            LookupWallAngles(epsilon, lengthPercent, thetaN, thetaS);
            Chart1->GetSeries(2 * i)->AddXY(epsilon, thetaN, "", clRed);
            Chart1->GetSeries(2 * i + 1)->AddXY(epsilon, thetaS, "", clBlue);
        }
    }
}

}  // namespace bellnozzle::ui
