// The result chart: which array and slot each choice plots, over which
// years, with which axes.
#include <cmath>

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QValueAxis>
#include <QtTest>

#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/testing/window_fixture.h"

using namespace tarvex;
using namespace tarvex::testing;

class ResultChartsTest : public QObject, protected WindowTest {
  Q_OBJECT

 private slots:
  // Two cohorts planted in 2005 and 2010 whose results mark slot and year:
  // cohort c holds 1000 * (c + 1) + slot + year / 10000 in every array.
  void init() {
    StartCaseWithWindow();
    qsm_ = folder_->write("site.qsm", "period 1990 2100\nNOx_dep 0.5\nNH3_dep 0.25\n");
    window_->EditQsmpFileName->setText(QString::fromStdString(qsm_));
    window_->ButtonReadNdepClick();
    CSite& site = window_->SiteRecord();
    site.AddCohort();
    for (int c = 0; c < 2; ++c) {
      CCohort& cohort = site.Cohort(c);
      cohort.ForMan.SetAction(2005 + 5 * c, standsim::ACT_PLANTING, 100, {0, 0, 0, 0});
      for (int y = 0; y < kYears; ++y) {
        for (int s = 0; s < 6; ++s) {
          const double v = 1000.0 * (c + 1) + s + y / 10000.0;
          if (s < 5) cohort.Biomass[y].v[s] = cohort.Litterfall[y].v[s] = v;
          cohort.Uptake[y].v[s] = cohort.SoilInputs[y].v[s] = v;
        }
      }
    }
    site.SumCohorts();
  }
  void cleanup() { window_.reset(); }

  void anEvenAgedSiteIsPlottedFromItsFirstPlanting() {
    window_->RadioGroupOutClick(window_->RadioGroupBiomass);
    const Chart& chart = *window_->Chart1;
    QCOMPARE(chart.Bottom().Minimum, 2005.0);
    QCOMPARE(chart.Bottom().Maximum, 2100.0);
    QCOMPARE(chart.Count(), 96);
    QCOMPARE(chart.Point(0), QPointF(2005, 1004.2005));
    QCOMPARE(chart.Left().Title, QString("Biomass stems (g/m2)"));
    QCOMPARE(chart.Left().Minimum, 0.0);
    QVERIFY(!chart.Left().AutomaticMinimum);
    QVERIFY(chart.Left().AutomaticMaximum);
    // The values are labelled at round ticks.
    window_->Chart1->Refresh();
    const auto* left =
        qobject_cast<QValueAxis*>(window_->Chart1->chart()->axes(Qt::Vertical).front());
    QCOMPARE(left->tickType(), QValueAxis::TicksDynamic);
    // A step of 1, 2 or 5 times a power of ten, anchored at a whole step.
    const double step = left->tickInterval();
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    QVERIFY2(std::abs(mantissa - 1.0) < 1e-9 || std::abs(mantissa - 2.0) < 1e-9 ||
                 std::abs(mantissa - 5.0) < 1e-9,
             qPrintable(QString::number(step)));
    QCOMPARE(left->tickAnchor(), 0.0);
  }

  void aNaturalSiteIsPlottedFromThePeriodStart() {
    window_->RadioGroupManType->SetItemIndex(1);
    window_->RadioGroupOutClick(window_->RadioGroupBiomass);
    QCOMPARE(window_->Chart1->Point(0).x(), 1990.0);
  }

  void eachChoicePlotsItsSlot_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("total");
    QTest::addColumn<double>("value");  // at 2010
    QTest::addColumn<QString>("title");
    QTest::newRow("branches") << 0 << 1 << false << 1000.0 << "Biomass branches (g/m2)";
    QTest::newRow("litter of fine roots")
        << 1 << 3 << false << 1002.0 << "Litterfall fine roots (g/m2)";
    QTest::newRow("Mg uptake, total") << 2 << 2 << true << 3006.0 << "Mg uptake-litterfall (eq/m2)";
    QTest::newRow("Mg uptake, cohort")
        << 2 << 2 << false << 1003.0 << "Mg uptake-litterfall (eq/m2)";
    QTest::newRow("organic N") << 3 << 1 << false << 1001.0 << "Organic N input (g/m2)";
  }
  void eachChoicePlotsItsSlot() {
    QFETCH(int, page);
    QFETCH(int, item);
    QFETCH(bool, total);
    QFETCH(double, value);
    QFETCH(QString, title);
    window_->CheckBoxShowAvg->setChecked(total);
    window_->PageControlOutput->setCurrentIndex(page);
    auto* group = window_->PageControlOutput->currentWidget()->findChild<RadioGroup*>();
    group->SetItemIndex(item);  // replots through the click handler
    const Chart& chart = *window_->Chart1;
    const double expected = total ? value + 2 * 0.2010 : value + 0.2010;
    QCOMPARE(chart.Point(5).x(), 2010.0);
    QCOMPARE(chart.Point(5).y(), expected);
    QCOMPARE(chart.Left().Title, title);
    QCOMPARE(chart.Left().Automatic(), page == 2);
  }

  void changingThePagePlotsItsSelectedItem() {
    window_->PageControlOutput->setCurrentIndex(3);
    QCOMPARE(window_->Chart1->Left().Title, QString("Carbon input (g/m2)"));
    QCOMPARE(window_->Chart1->Point(0).y(), 1000.2005);
    window_->CheckBoxExpAll->click();  // replots the same choice
    QCOMPARE(window_->Chart1->Left().Title, QString("Carbon input (g/m2)"));
    QCOMPARE(window_->Chart1->Count(), 96);
  }

  // To a user who looks at the chart; a redraw of the chart while another
  // page is shown (a step between cohorts) says nothing.
  void aCohortWithoutPlantingIsReportedWithTheResults() {
    window_->SiteRecord().AddCohort();
    window_->RadioGroupOutClick(window_->RadioGroupBiomass);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    {
      const QSignalBlocker noRun(window_->PageControl1);
      window_->PageControl1->setCurrentWidget(window_->TabSheetResults);
    }
    window_->RadioGroupOutClick(window_->RadioGroupBiomass);
    QCOMPARE(dialogs_.messages, QStringList({"Not all cohorts have planting years!"}));
    QCOMPARE(window_->Chart1->Count(), 0);
  }

 private:
  std::string qsm_;
};

QTEST_MAIN(ResultChartsTest)
#include "result_charts_test.moc"
