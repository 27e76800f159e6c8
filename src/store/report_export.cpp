#include "store/report_export.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <array>

#include "taxyear/day_serial.h"

namespace reventa {
namespace {

// Where a report's table keeps the person and the period that name its export.
struct ReportNaming {
  const char* table;
  const char* nameField;   // empty: the report is for nobody in particular
  bool nameAfterCaption;   // the field holds " For : " or "Vir : " before the name
  const char* dateField;   // empty: the report has no date of its own
  const char* dateFormat;  // how its date appears in the file name
};

// The weekly, fortnightly and daily reports count days where the monthly one has
// dates, so they take today's date; the package reports cover a whole tax year
// and carry no date.
constexpr std::array kNaming{
    ReportNaming{"kwiktax", "", false, "", ""},
    ReportNaming{"IRP5Ann", "Employee", true, "SDateNum", "yyyy-MM-dd"},
    ReportNaming{"IRP5Mon", "Employee", true, "SDateNum", "yyyy-MM"},
    ReportNaming{"IRP5Week", "Employee", true, "", ""},
    ReportNaming{"IRP5Day", "Employee", true, "", ""},
    ReportNaming{"SalPackage", "TPName", false, "", ""},
    ReportNaming{"traveldeduction", "TPName", false, "DateStart", "yyyy-MM-dd"},
    ReportNaming{"DailyBal", "", false, "StartDate", "yyyy-MM-dd"},
};

const char* const kNameCaptions[] = {"For :", "Vir :"};
const QString kTodayFormat = QStringLiteral("yyyy-MM-dd");
const QString kFolderKey = QStringLiteral("Export/LastFolder");

const ReportNaming* NamingOf(const QString& table) {
  for (const ReportNaming& n : kNaming) {
    if (table == QLatin1String(n.table)) return &n;
  }
  return nullptr;
}

QString PersonOf(const ReportNaming& naming, const QVariantMap& row) {
  if (*naming.nameField == '\0') return {};
  QString name = row.value(QString::fromLatin1(naming.nameField)).toString().trimmed();
  if (naming.nameAfterCaption) {
    for (const char* caption : kNameCaptions) {
      if (name.startsWith(QLatin1String(caption))) {
        name = name.mid(qsizetype(qstrlen(caption))).trimmed();
        break;
      }
    }
  }
  return name;
}

// The date a field holds: a dd/mm/yyyy text or a day serial; invalid when blank.
QDate DateOf(const QVariant& value) {
  std::optional<double> serial;
  if (value.typeId() == QMetaType::QString) {
    serial = ParseDate(value.toString().trimmed().toStdString());
  } else if (value.canConvert<double>() && !value.isNull()) {
    serial = value.toDouble();
  }
  if (!serial || *serial == BlankDate) return {};
  const CalendarDate d = DateFromSerial(*serial);
  return QDate(d.year, d.month, d.day);
}

}  // namespace

QString FileNamePart(const QString& part) {
  static const QString kRefused = QStringLiteral("/\\:*?\"<>|");
  QString out = part;
  for (QChar& c : out) {
    if (c.category() == QChar::Other_Control || kRefused.contains(c)) c = QLatin1Char('_');
  }
  return out.trimmed();
}

QString ProposedReportFileName(const QString& title, const QString& table, const QVariantMap& row,
                               const QDate& today) {
  const qsizetype dash = title.indexOf(QStringLiteral(" - "));
  const QString report = dash < 0 ? title : title.left(dash);
  QString date = today.toString(kTodayFormat);
  QString person;
  if (const ReportNaming* naming = NamingOf(table)) {
    person = PersonOf(*naming, row);
    if (*naming->dateField != '\0') {
      const QDate start = DateOf(row.value(QString::fromLatin1(naming->dateField)));
      if (start.isValid()) date = start.toString(QString::fromLatin1(naming->dateFormat));
    }
  }
  QStringList parts;
  for (const QString& part : {report, date, person}) {
    const QString safe = FileNamePart(part);
    if (!safe.isEmpty()) parts << safe;
  }
  return parts.join(QLatin1Char(' '));
}

ExportFolder::ExportFolder(QString settingsPath) : path_(std::move(settingsPath)) {
  if (path_.isEmpty()) {
    path_ = QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                .absoluteFilePath(QStringLiteral("Reports.ini"));
  }
}

QString ExportFolder::folder() const {
  const QString last = QSettings(path_, QSettings::IniFormat).value(kFolderKey).toString();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void ExportFolder::remember(const QString& exportedFile) const {
  QSettings s(path_, QSettings::IniFormat);
  s.setValue(kFolderKey, QFileInfo(exportedFile).absolutePath());
}

}  // namespace reventa
