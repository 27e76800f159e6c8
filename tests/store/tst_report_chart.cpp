// SPDX-License-Identifier: GPL-3.0-or-later
// Charts in reports (their axes' ticks are tested with the chart model in
// tests/chart): the chart placeholder read from a template, the chart it
// puts in the filled document, and that chart painted as lines and text in an
// exported PDF, for empty, one-row, long and negative schedules, and the loan
// schedule's own template with capital and interest on an axis of their own.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "store/app_paths.h"
#include "store/report_chart.h"
#include "store/report_export.h"
#include "store/report_template.h"
#include "store/table_store.h"
#include "widgets/messages.h"
#include "widgets/report_engine.h"
#include "widgets/report_window.h"

using namespace reventa;

namespace {

const QString kChart = QStringLiteral(
    R"({{#chart x=Year y="Required:Outstanding balance,Capital,Interest" title="Balance over the loan" xtitle=Month ytitle=Rand}})");

// A loan of 250 000 paid off over `months` months (Required is the balance);
// with `negative`, the figures fall below zero, as an overpaid balance does.
QList<FieldList> Schedule(int months, bool negative = false) {
  QList<FieldList> rows;
  for (int m = 1; m <= months; ++m) {
    const double balance = 250000.0 * (months - m) / months - (negative ? 60000.0 : 0.0);
    rows.append({{QStringLiteral("Year"), m},
                 {QStringLiteral("Capital"), 250000.0 / months},
                 {QStringLiteral("Interest"), negative ? -50.0 * m : 2000.0 - m},
                 {QStringLiteral("Required"), balance}});
  }
  return rows;
}

QList<QVariantMap> AsRows(const QList<FieldList>& fields) {
  QList<QVariantMap> rows;
  for (const FieldList& f : fields) {
    QVariantMap row;
    for (const auto& [name, value] : f) row.insert(name, value);
    rows.append(row);
  }
  return rows;
}

// How many pixels of a white picture a painting changed.
int Painted(const ReportChart& chart) {
  QImage image(640, 280, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PaintReportChart(painter, QRectF(0, 0, 640, 280), chart);
  }
  int changed = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) changed += image.pixel(x, y) != qRgb(255, 255, 255);
  }
  return changed;
}

QString PdfText(const QString& pdf) {
  QProcess p;
  // The first page, where the chart stands.
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-l"),
                                        QStringLiteral("1"), pdf, QStringLiteral("-")});
  if (!p.waitForFinished(30000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class TestReportChart : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void placeholderFaults_data();
  void placeholderFaults();
  void chartTakesEveryRow_data();
  void chartTakesEveryRow();
  void exportedChartIsVector_data();
  void exportedChartIsVector();
};

void TestReportChart::placeholderFaults_data() {
  QTest::addColumn<QString>("html");
  QTest::addColumn<QString>("error");  // empty: fills
  QTest::newRow("sound") << kChart << "";
  QTest::newRow("whole-rand ticks") << "{{#chart x=Year y=Capital format=whole}}"
                                    << "";
  QTest::newRow("no x") << "{{#chart y=Capital}}"
                        << "no x field";
  QTest::newRow("no y") << "{{#chart x=Year}}"
                        << "no y fields";
  QTest::newRow("field the table lacks") << "{{#chart x=Year y=Balance}}"
                                         << "\"Balance\"";
  QTest::newRow("unknown setting") << "{{#chart x=Year y=Capital colour=red}}"
                                   << "\"colour\"";
  QTest::newRow("unknown format") << "{{#chart x=Year y=Capital format=rand}}"
                                  << "\"rand\"";
  QTest::newRow("unreadable") << "{{#chart x=Year y=Capital title=\"open}}"
                              << "cannot be read";
  QTest::newRow("inside the row block") << "{{#rows}}{{Year}} {{#chart x=Year y=Capital}}{{/rows}}"
                                        << "inside its row block";
}

void TestReportChart::placeholderFaults() {
  QFETCH(QString, html);
  QFETCH(QString, error);
  QList<ReportChart> charts;
  const Filled filled =
      FillReportTemplate({QStringLiteral("Amort"), html}, AsRows(Schedule(3)), &charts);
  if (error.isEmpty()) {
    QVERIFY2(!filled.error, qPrintable(filled.error.value_or(QString())));
    QCOMPARE(charts.size(), 1);
    QVERIFY(filled.text.contains(ReportChartMarker(0)));
  } else {
    QVERIFY(filled.error);
    QVERIFY2(filled.error->contains(error), qPrintable(*filled.error));
  }
}

void TestReportChart::chartTakesEveryRow_data() {
  QTest::addColumn<int>("months");
  QTest::addColumn<bool>("negative");
  QTest::newRow("no rows") << 0 << false;
  QTest::newRow("one row") << 1 << false;
  QTest::newRow("600 rows") << 600 << false;
  QTest::newRow("negative figures") << 24 << true;
}

void TestReportChart::chartTakesEveryRow() {
  QFETCH(int, months);
  QFETCH(bool, negative);
  const QList<QVariantMap> rows = AsRows(Schedule(months, negative));
  const ReportTemplate report{
      QStringLiteral("Amort"),
      QStringLiteral("<p>") + kChart + QStringLiteral("</p>{{#rows}}<p>{{Year}}</p>{{/rows}}")};
  QList<ReportChart> charts;
  const Filled filled = FillReportTemplate(report, rows, &charts);
  QVERIFY(!filled.error);
  QCOMPARE(charts.size(), 1);
  const ReportChart& chart = charts.first();
  QCOMPARE(chart.title, QStringLiteral("Balance over the loan"));
  QCOMPARE(chart.series.size(), 3);
  QCOMPARE(QString::fromStdString(chart.series[0].name), QStringLiteral("Outstanding balance"));
  QCOMPARE(QString::fromStdString(chart.series[2].name), QStringLiteral("Interest"));
  for (const ChartSeries& s : chart.series) QCOMPARE(static_cast<int>(s.points.size()), months);
  if (months > 0) {
    QCOMPARE(chart.series[0].points.back(),
             (ChartPoint{double(months), rows.last().value("Required").toDouble()}));
  }

  // In the document the marker has become the chart object.
  QTextDocument document;
  document.setHtml(filled.text);
  InsertReportCharts(document, charts);
  QVERIFY(!document.toPlainText().contains(QStringLiteral("@@")));
  const QList<ReportChart> held = ReportChartsIn(document);
  QCOMPARE(held.size(), 1);
  QCOMPARE(held.first(), chart);
  // The HTML export leaves the chart out rather than writing a stray character.
  QVERIFY(!document.toHtml().contains(QChar::ObjectReplacementCharacter));

  // An empty schedule draws nothing; any other draws.
  QCOMPARE(chart.empty(), months == 0);
  if (months == 0) {
    QCOMPARE(Painted(chart), 0);
  } else {
    QVERIFY(Painted(chart) > 2000);
  }
}

void TestReportChart::exportedChartIsVector_data() {
  QTest::addColumn<int>("months");
  QTest::addColumn<QString>("templateName");  // empty: a template of the test's own
  QTest::addColumn<QStringList>("shown");     // on the chart's page
  const QStringList own{"Balance over the loan", "Outstanding balance", "250 000.00"};
  QTest::newRow("600 months") << 600 << QString() << own;
  QTest::newRow("one month") << 1 << QString() << own;
  // The balance on the left axis; capital and interest (up to 2 416 a month) on
  // an axis of their own on the right, its top tick 2 500.
  QTest::newRow("loan schedule: capital and interest on the right-hand axis")
      << 600 << "LonrepaA.rpt"
      << QStringList{"Balance outstanding", "Balance (R)", "250 000.00", "Capital and interest (R)",
                     "2 500.00"};
}

void TestReportChart::exportedChartIsVector() {
  QFETCH(int, months);
  QFETCH(QString, templateName);
  QFETCH(QStringList, shown);
  QTemporaryDir dir;
  const PreparedStores stores =
      PrepareUserStores(QStringLiteral(REVENTA_TEST_APP_DIR), dir.filePath(QStringLiteral("data")));
  QVERIFY(stores.problems.isEmpty());
  QCOMPARE(TableStore(stores.paths.reportDb, QStringLiteral("report data store"))
               .Refill(QStringLiteral("Amort"), Schedule(months)),
           std::nullopt);
  QFile rpt(dir.filePath(QStringLiteral("chart.rpt")));
  QVERIFY(rpt.open(QIODevice::WriteOnly));
  rpt.write(QStringLiteral("<!-- reventa-report table=\"Amort\" -->\n"
                           "<p><b>Loan schedule</b></p><p align=\"center\">%1</p>\n"
                           "<table>{{#rows}}<tr><td>{{Year}}</td><td>{{Required|money}}</td></tr>"
                           "{{/rows}}</table>")
                .arg(kChart)
                .toUtf8());
  rpt.close();

  RecordingMessages messages;
  ReportEngine engine(templateName.isEmpty() ? dir.path() : QStringLiteral(REVENTA_TEST_APP_DIR),
                      stores.paths.reportDb, messages, nullptr);
  const ReportEngine::Built built =
      engine.Build(templateName.isEmpty() ? QStringLiteral("chart.rpt") : templateName);
  QVERIFY2(built.document, qPrintable(built.error));
  QCOMPARE(ReportChartsIn(*built.document).size(), 1);

  const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  PrepareReportPage(printer);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  built.document->print(&printer);
  QFile file(pdf);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  // Lines and text, no picture: the page holds no image at all.
  QVERIFY(!bytes.contains("/Subtype /Image"));
  QVERIFY2(bytes.size() < 2'000'000, qPrintable(QString::number(bytes.size())));
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    QSKIP("pdftotext is not installed");
  // The title, the legend and the side axes in the report's money format.
  const QString text = PdfText(pdf);
  for (const QString& expected : shown) QVERIFY2(text.contains(expected), qPrintable(expected));
  if (qEnvironmentVariableIsSet("REVENTA_SCREENSHOTS")) {
    QFile::copy(pdf, qEnvironmentVariable("REVENTA_SCREENSHOTS") +
                         QStringLiteral("/report_chart_%1.pdf").arg(QTest::currentDataTag()));
  }
}

QTEST_MAIN(TestReportChart)
#include "tst_report_chart.moc"
