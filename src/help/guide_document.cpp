// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/guide_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <memory>
#include <vector>

#include "calc/vehicle/travel_claim.h"
#include "taxyear/income_tax.h"
#include "taxyear/numbers.h"
#include "taxyear/tax_year.h"

namespace reventa::help {
namespace {

// The colours and type of the report templates.
const QString kBand = QStringLiteral("#1f3b4d");
const QString kBandText = QStringLiteral("#d3dde5");
const QString kSection = QStringLiteral("#e4ebf0");
const QString kStripe = QStringLiteral("#f1f4f6");
const QString kMuted = QStringLiteral("#6b7780");
const QString kFontFamily = QStringLiteral("DejaVu Sans");
constexpr double kBodyPoints = 9.5;

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

// The guide's type, set letter by letter: no "fi", "fl" or "ff" ligatures, which a
// PDF reader would hand on as single characters, so that a copied word, a search
// and a screen reader see the plain letters. Every font of a document (headings,
// code, tables) takes this from the document's default font.
QFont GuideFont(double points) {
  QFont font(kFontFamily);
  font.setPointSizeF(points);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

QString Money(double value, int decimals = 2) {
  return QStringLiteral("R ") + QString::fromStdString(FormatAmount(value, decimals));
}

QString Percent(double fraction) {
  return QString::number(RoundHalfEven(fraction * 10000) / 100, 'g', 12) + QStringLiteral(" %");
}

// A table of rows of cells, the first row its heading, the last column on the right.
QString RulesTable(const QString& caption, const QList<QStringList>& rows) {
  QString html = QStringLiteral(
                     "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\">"
                     "<tr style=\"background-color:%1;\"><td colspan=\"%2\"><b>%3</b></td></tr>")
                     .arg(kSection)
                     .arg(rows.isEmpty() ? 1 : rows.first().size())
                     .arg(Escaped(caption));
  for (qsizetype r = 0; r < rows.size(); ++r) {
    html += r % 2 == 0 ? QStringLiteral("<tr>")
                       : QStringLiteral("<tr style=\"background-color:%1;\">").arg(kStripe);
    for (qsizetype c = 0; c < rows[r].size(); ++c) {
      const QString align = c == 0 ? QString() : QStringLiteral(" align=\"right\"");
      const QString cell = Escaped(rows[r][c]);
      html += QStringLiteral("<td%1>%2</td>")
                  .arg(align, r == 0 ? QStringLiteral("<b>%1</b>").arg(cell) : cell);
    }
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table><p style=\"font-size:4pt;\">&nbsp;</p>");
}

// An input of an example as the guide shows it.
QString ShownInput(const ExampleInput& in) {
  const QJsonDocument doc = QJsonDocument::fromJson(("[" + in.json + "]").toUtf8());
  const QJsonValue v = doc.isArray() && !doc.array().isEmpty() ? doc.array().at(0) : QJsonValue();
  if (v.isDouble()) return FormatExampleValue(v.toDouble(), in.format);
  if (v.isBool()) return v.toBool() ? QStringLiteral("Yes") : QStringLiteral("No");
  if (v.isString()) return v.toString();
  return in.json;
}

QString ExampleHtml(int number, const Example& example, const ExampleResults& results) {
  QString html = QStringLiteral("<p style=\"margin-top:8px;\"><b>Figure %1.</b> %2</p>")
                     .arg(number)
                     .arg(Escaped(example.title));
  html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\">");
  const auto section = [&html](const QString& caption) {
    html +=
        QStringLiteral("<tr style=\"background-color:%1;\"><td colspan=\"2\"><b>%2</b></td></tr>")
            .arg(kSection, caption);
  };
  int stripe = 0;
  const auto row = [&html, &stripe](const QString& label, const QString& value, bool bold) {
    const QString style = stripe++ % 2 == 1
                              ? QStringLiteral(" style=\"background-color:%1;\"").arg(kStripe)
                              : QString();
    const QString shown = bold ? QStringLiteral("<b>%1</b>").arg(Escaped(value)) : Escaped(value);
    html += QStringLiteral(
                "<tr%1><td width=\"64%\">%2</td><td width=\"36%\" align=\"right\">%3</td></tr>")
                .arg(style, Escaped(label), shown);
  };
  if (!example.inputs.isEmpty()) {
    section(QStringLiteral("What is typed"));
    for (const ExampleInput& in : example.inputs) row(in.label, ShownInput(in), false);
  }
  section(QStringLiteral("What the calculator shows"));
  stripe = 0;
  for (qsizetype k = 0; k < example.outputs.size(); ++k) {
    row(example.outputs[k].label, FormatExampleValue(results.values[k], example.outputs[k].format),
        true);
  }
  return html + QStringLiteral("</table><p style=\"font-size:4pt;\">&nbsp;</p>");
}

// The body of the HTML that Qt makes of a chapter's Markdown.
QString MarkdownHtml(const QString& markdown) {
  QTextDocument doc;
  doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
  const QString html = doc.toHtml();
  static const QRegularExpression kBody(QStringLiteral("<body[^>]*>(.*)</body>"),
                                        QRegularExpression::DotMatchesEverythingOption);
  const auto m = kBody.match(html);
  return m.hasMatch() ? m.captured(1) : html;
}

std::unique_ptr<QTextDocument> NewDocument(const QString& bodyHtml) {
  auto doc = std::make_unique<QTextDocument>();
  doc->setDefaultFont(GuideFont(10));
  doc->setDocumentMargin(0);
  doc->setHtml(QStringLiteral("<html><body style=\"font-family:'%1'; font-size:%2pt; "
                              "color:#1b1b1b;\">%3</body></html>")
                   .arg(kFontFamily)
                   .arg(kBodyPoints)
                   .arg(bodyHtml));
  return doc;
}

// Chapter titles become the reports' dark band; section titles take its colour.
void StyleHeadings(QTextDocument& doc) {
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level < 1 || level > 3) continue;
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    QTextCharFormat chars;
    chars.setFontFamilies({kFontFamily});
    chars.setFontWeight(QFont::Bold);
    if (level == 1) {
      format.setBackground(QColor(kBand));
      format.setTopMargin(0);
      format.setBottomMargin(14);
      chars.setForeground(QColor(Qt::white));
      chars.setFontPointSize(18);
    } else {
      format.setTopMargin(level == 2 ? 14 : 10);
      format.setBottomMargin(4);
      chars.setForeground(QColor(kBand));
      chars.setFontPointSize(level == 2 ? 13 : 11);
    }
    cursor.setBlockFormat(format);
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(chars);
  }
}

// The chapters' own tables (field lists) in the style of the rules tables: one
// thin rule between cells, a shaded heading row, the full width. The generated
// tables have no border and are left as they are.
void StyleTables(QTextFrame* frame) {
  for (QTextFrame* child : frame->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child);
        table != nullptr && table->format().border() > 0) {
      QTextTableFormat format = table->format();
      format.setBorder(0.5);
      format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
      format.setBorderBrush(QColor(QStringLiteral("#c9d3da")));
      format.setBorderCollapse(true);
      format.setCellSpacing(0);
      format.setCellPadding(3);
      format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
      table->setFormat(format);
      for (int c = 0; c < table->columns(); ++c) {
        QTextTableCell cell = table->cellAt(0, c);
        QTextCharFormat shaded = cell.format();
        shaded.setBackground(QColor(kSection));
        cell.setFormat(shaded);
      }
    }
    StyleTables(child);
  }
}

struct Heading {
  int level;
  QString text;
  int page;  // 0-based within its document
};

// The page geometry every document of the guide is laid out on.
struct Pages {
  QPdfWriter& writer;
  QSizeF body;        // the text area of a page, device pixels
  double footer = 0;  // room for the page number below it
};

int PageOf(QTextDocument& doc, const QTextBlock& block, double pageHeight) {
  const QRectF at = doc.documentLayout()->blockBoundingRect(block);
  return static_cast<int>(at.top() / pageHeight);
}

QList<Heading> Headings(QTextDocument& doc, double pageHeight) {
  QList<Heading> out;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level == 1 || level == 2) {
      out.append({level, block.text().trimmed(), PageOf(doc, block, pageHeight)});
    }
  }
  return out;
}

void LayOut(QTextDocument& doc, const Pages& pages) {
  doc.documentLayout()->setPaintDevice(&pages.writer);
  doc.setPageSize(pages.body);
}

// Paints the document's pages, numbering them from `firstNumber`.
void Paint(QTextDocument& doc, const Pages& pages, QPainter& painter, int firstNumber,
           bool& firstPage) {
  const double h = pages.body.height();
  const QFont footer = GuideFont(8);
  for (int i = 0; i < doc.pageCount(); ++i) {
    if (!firstPage) pages.writer.newPage();
    firstPage = false;
    painter.save();
    // Only what lies on this page: a block pushed to the next page by a page break
    // still reaches into this one's clip.
    painter.setClipRect(QRectF(0, 0, pages.body.width(), h));
    painter.translate(0, -i * h);
    doc.drawContents(&painter, QRectF(0, i * h, pages.body.width(), h));
    painter.restore();
    painter.save();
    painter.setFont(footer);
    painter.setPen(QColor(kMuted));
    painter.drawText(QRectF(0, h, pages.body.width(), pages.footer),
                     Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("Reventa 2024 user guide   %1").arg(firstNumber + i));
    painter.restore();
  }
}

QString TitleHtml() {
  return QStringLiteral(
             "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"18\" "
             "style=\"background-color:%1;\"><tr><td>"
             "<p style=\"color:#ffffff; font-size:30pt; font-weight:bold;\">Reventa 2024</p>"
             "<p style=\"color:#ffffff; font-size:16pt;\">User guide</p>"
             "<p style=\"color:%2; font-size:10pt;\">Employees' tax, salary packages, vehicles "
             "and personal finance for the 2024 tax year: 1 March 2023 to 29 February "
             "2024</p></td></tr></table>")
      .arg(kBand, kBandText);
}

// The contents: chapters and their sections with the page each starts on (page
// numbers are counted from the title page; 0 leaves them to be filled in).
QString ContentsHtml(const QList<Heading>& headings) {
  QString html =
      QStringLiteral("<h1>Contents</h1><table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
  for (const Heading& h : headings) {
    const QString page = h.page == 0 ? QStringLiteral("000") : QString::number(h.page);
    if (h.level == 1) {
      html += QStringLiteral(
                  "<tr><td style=\"padding-top:6px;\"><b>%1</b></td><td align=\"right\" "
                  "style=\"padding-top:6px;\"><b>%2</b></td></tr>")
                  .arg(Escaped(h.text), page);
    } else {
      html += QStringLiteral(
                  "<tr><td style=\"padding-left:18px; color:#33424d;\">%1</td><td "
                  "align=\"right\" style=\"color:#33424d;\">%2</td></tr>")
                  .arg(Escaped(h.text), page);
    }
  }
  return html + QStringLiteral("</table>");
}

}  // namespace

QString RulesTableHtml(const QString& name) {
  if (name == QLatin1String("income-tax-brackets")) {
    QList<QStringList> rows{{QStringLiteral("Taxable income"), QStringLiteral("Tax")}};
    for (std::size_t i = 0; i < IncomeTaxTable.size(); ++i) {
      const TaxBracket& b = IncomeTaxTable[i];
      const bool last = i + 1 == IncomeTaxTable.size();
      const QString band =
          i == 0 ? QStringLiteral("up to %1").arg(Money(b.ceiling, 0))
          : last ? QStringLiteral("above %1").arg(Money(b.floor, 0))
                 : QStringLiteral("%1 to %2").arg(Money(b.floor + 1, 0), Money(b.ceiling, 0));
      const QString tax = b.baseTax == 0 ? QStringLiteral("%1 % of taxable income").arg(b.rate)
                                         : QStringLiteral("%1 + %2 % of the amount above %3")
                                               .arg(Money(b.baseTax, 0))
                                               .arg(b.rate)
                                               .arg(Money(b.floor, 0));
      rows.append({band, tax});
    }
    return RulesTable(QStringLiteral("Income tax for the 2024 tax year"), rows);
  }
  if (name == QLatin1String("rebates")) {
    return RulesTable(
        QStringLiteral("Rebates for the 2024 tax year"),
        {{QStringLiteral("Rebate"), QStringLiteral("A year")},
         {QStringLiteral("Primary: every person"), Money(PrimaryRebate, 0)},
         {QStringLiteral("Secondary: %1 and older (primary included)").arg(AgeThreshold65),
          Money(RebateAge65Total, 0)},
         {QStringLiteral("Tertiary: %1 and older (primary and secondary included)")
              .arg(AgeThreshold75),
          Money(RebateAge65Total + AgeRebate75, 0)}});
  }
  if (name == QLatin1String("medical-credits")) {
    return RulesTable(QStringLiteral("Medical scheme fees tax credits"),
                      {{QStringLiteral("Member and beneficiaries"), QStringLiteral("A month")},
                       {QStringLiteral("The member"), Money(MedCreditMain, 0)},
                       {QStringLiteral("The first dependant"), Money(MedCreditMain, 0)},
                       {QStringLiteral("Each further dependant"), Money(MedCreditExtra, 0)}});
  }
  if (name == QLatin1String("uif")) {
    return RulesTable(
        QStringLiteral("Unemployment insurance and skills development levy (defaults)"),
        {{QStringLiteral("Setting"), QStringLiteral("Default")},
         {QStringLiteral("UIF, employee"), Percent(DefaultUifPercent / 100)},
         {QStringLiteral("UIF, employer"), Percent(DefaultUifPercent / 100)},
         {QStringLiteral("Skills development levy"), Percent(DefaultSkillLevyPercent / 100)},
         {QStringLiteral("UIF monthly remuneration limit"), Money(DefaultUifMonthlyLimit, 0)}});
  }
  if (name == QLatin1String("retirement-funds")) {
    return RulesTable(
        QStringLiteral("Retirement fund contributions"),
        {{QStringLiteral("Rule"), QStringLiteral("Limit")},
         {QStringLiteral("Deductible share of remuneration or taxable income"),
          Percent(RFundDeductionRate)},
         {QStringLiteral("Deductible at most, a year"), Money(RFundDeductionCap, 0)}});
  }
  if (name == QLatin1String("travel-rates")) {
    return RulesTable(
        QStringLiteral("Travel allowance and company car rates"),
        {{QStringLiteral("Rate"), QStringLiteral("Value")},
         {QStringLiteral("Travel allowance included in remuneration"),
          Percent(TravelInclusionHigh)},
         {QStringLiteral("Included where at least 80 % of the travel is for business"),
          Percent(TravelInclusionLow)},
         {QStringLiteral("Company car benefit, a month, of the determined value"),
          Percent(CarBenefitRate)},
         {QStringLiteral("The same with a maintenance plan"), Percent(CarBenefitRateMaintPlan)}});
  }
  if (name == QLatin1String("deemed-cost")) {
    QList<QStringList> rows{{QStringLiteral("Value of the vehicle"), QStringLiteral("Fixed cost"),
                             QStringLiteral("Fuel"), QStringLiteral("Maintenance")}};
    double from = 0;
    for (int guard = 0; guard < 64; ++guard) {
      const CostScaleBand& band = DeemedCostScale(from + 0.01);
      const bool last = !std::isfinite(band.UpperBound);
      const QString value =
          last ? QStringLiteral("above %1").arg(Money(from, 0))
          : from == 0
              ? QStringLiteral("up to %1").arg(Money(band.UpperBound, 0))
              : QStringLiteral("%1 to %2").arg(Money(from + 1, 0), Money(band.UpperBound, 0));
      rows.append(
          {value, Money(band.FixedCost, 0),
           QString::number(band.FuelCostPerKm * 100, 'f', 1) + QStringLiteral(" c/km"),
           QString::number(band.MaintenanceCostPerKm * 100, 'f', 1) + QStringLiteral(" c/km")});
      if (last) break;
      from = band.UpperBound;
    }
    return RulesTable(QStringLiteral("Deemed cost of a vehicle, a year and a kilometre"), rows);
  }
  return {};
}

std::optional<QString> WriteGuide(const QList<Chapter>& chapters, const ExampleRunner& run,
                                  const QString& pdfPath) {
  // Each chapter as HTML, the examples worked out and numbered as figures.
  QStringList chapterHtml;
  QStringList figureTitles;
  for (const Chapter& chapter : chapters) {
    QString html;
    for (const Piece& piece : chapter.pieces) {
      switch (piece.kind) {
        case Piece::Kind::Markdown:
          html += MarkdownHtml(piece.text);
          break;
        case Piece::Kind::Table: {
          const QString table = RulesTableHtml(piece.text);
          if (table.isEmpty()) {
            return QStringLiteral("%1: there is no table \"%2\"").arg(chapter.fileName, piece.text);
          }
          html += table;
          break;
        }
        case Piece::Kind::Example: {
          const ExampleResults results = run(piece.example);
          if (!results.error.isEmpty()) {
            return QStringLiteral("%1:%2: the example \"%3\" cannot be worked out: %4")
                .arg(chapter.fileName)
                .arg(piece.example.line)
                .arg(piece.example.title, results.error);
          }
          figureTitles.append(piece.example.title);
          html += ExampleHtml(static_cast<int>(figureTitles.size()), piece.example, results);
          break;
        }
      }
    }
    chapterHtml.append(html);
  }

  QPdfWriter writer(pdfPath);
  writer.setTitle(QStringLiteral("Reventa 2024 user guide"));
  writer.setCreator(QStringLiteral("Reventa 2024"));
  writer.setResolution(300);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(18, 16, 18, 14), QPageLayout::Millimeter));
  const QRectF paint = writer.pageLayout().paintRectPixels(writer.resolution());
  Pages pages{writer, {}, 0};
  pages.footer = writer.resolution() * 0.3;
  pages.body = QSizeF(paint.width(), paint.height() - pages.footer);
  const double h = pages.body.height();
  const auto laidOut = [&pages](const QString& html) {
    auto doc = NewDocument(html);
    StyleHeadings(*doc);
    StyleTables(doc->rootFrame());
    LayOut(*doc, pages);
    return doc;
  };

  // Every chapter starts on a page of its own. Pages are first counted from the
  // first chapter; the title page and the contents come before it.
  std::vector<std::unique_ptr<QTextDocument>> body;
  QList<Heading> headings;
  QList<int> figurePages;
  int bodyPages = 0;
  for (const QString& html : chapterHtml) {
    body.push_back(laidOut(html));
    QTextDocument& doc = *body.back();
    for (const Heading& heading : Headings(doc, h)) {
      headings.append({heading.level, heading.text, bodyPages + heading.page});
    }
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
      const QString prefix = QStringLiteral("Figure %1. ").arg(figurePages.size() + 1);
      if (figurePages.size() < figureTitles.size() && block.text().startsWith(prefix)) {
        figurePages.append(bodyPages + PageOf(doc, block, h));
      }
    }
    bodyPages += doc.pageCount();
  }
  if (figurePages.size() != figureTitles.size()) {
    return QStringLiteral("a figure could not be found in the guide");
  }
  headings.append({1, QStringLiteral("Index of figures"), bodyPages});

  // The contents, laid out once without numbers to count its pages.
  QList<Heading> unnumbered = headings;
  for (Heading& heading : unnumbered) heading.page = 0;
  const int firstBodyPage = 2 + laidOut(ContentsHtml(unnumbered))->pageCount();
  for (Heading& heading : headings) heading.page += firstBodyPage;
  auto contents = laidOut(ContentsHtml(headings));
  if (2 + contents->pageCount() != firstBodyPage)
    return QStringLiteral("the contents changed length");

  QString index = QStringLiteral(
      "<h1>Index of figures</h1><table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
  for (qsizetype k = 0; k < figureTitles.size(); ++k) {
    index += QStringLiteral("<tr><td>Figure %1. %2</td><td align=\"right\">%3</td></tr>")
                 .arg(k + 1)
                 .arg(Escaped(figureTitles[k]))
                 .arg(firstBodyPage + figurePages[k]);
  }
  body.push_back(laidOut(index + QStringLiteral("</table>")));

  QPainter painter;
  if (!painter.begin(&writer)) return QStringLiteral("cannot write %1").arg(pdfPath);
  bool firstPage = true;
  int number = 1;
  const auto paintAll = [&](QTextDocument& doc) {
    Paint(doc, pages, painter, number, firstPage);
    number += doc.pageCount();
  };
  paintAll(*laidOut(TitleHtml()));
  paintAll(*contents);
  for (const auto& doc : body) paintAll(*doc);
  if (!painter.end()) return QStringLiteral("cannot finish %1").arg(pdfPath);
  return std::nullopt;
}

}  // namespace reventa::help
