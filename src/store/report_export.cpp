// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/report_export.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringList>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <array>
#include <cerrno>

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
// The dynamic property of a built report that says it is laid out on its side.
const char* const kLandscapeProperty = "reventaLandscape";
constexpr auto kWriteBits =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

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

void SetReportLandscape(QTextDocument& report, bool landscape) {
  report.setProperty(kLandscapeProperty, landscape);
}

bool ReportLandscape(const QTextDocument& report) {
  return report.property(kLandscapeProperty).toBool();
}

void PrepareReportPage(QPagedPaintDevice& printer, const QTextDocument* report) {
  // The report lays itself out with a 2 cm margin inside the page (the rich-text
  // engine's own), so the page itself asks for none beyond what the printer needs.
  const bool landscape = report != nullptr && ReportLandscape(*report);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                    landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                    QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

QString ExportFailureCause(int systemError, const QString& path) {
  const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
  switch (systemError) {
    case ENOSPC:
    case EDQUOT:
      return QObject::tr(
          "the disk is full (or your share of it is used up). Free some room on it, or export "
          "to a folder on another disk.");
    case EFBIG:
      return QObject::tr(
          "the file would be larger than this disk or your account allows. Export to a folder "
          "on another disk.");
    case EACCES:
    case EPERM:
    case EROFS:
      return QObject::tr(
                 "the folder %1 is not writable. Choose another folder, such as your Documents "
                 "folder.")
          .arg(folder);
    case EBUSY:
    case ETXTBSY:
      return QObject::tr(
          "the file is in use and cannot be replaced. Close the program that has it open, or "
          "choose another name.");
    case EISDIR:
      return QObject::tr(
          "a folder of that name stands where the file would go, so it cannot be replaced. "
          "Choose another name.");
    case ENOENT:
    case ENOTDIR:
      return QObject::tr("the folder %1 no longer exists. Choose another folder.").arg(folder);
    default:
      return {};
  }
}

std::optional<QString> ExportReport(const QTextDocument& document, const QString& title,
                                    const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  const bool pdf = suffix == QLatin1String("pdf");
  const bool html = suffix == QLatin1String("html") || suffix == QLatin1String("htm");
  const bool odt = suffix == QLatin1String("odt");
  if (!pdf && !html && !odt) {
    return QObject::tr("Choose a PDF (.pdf), HTML (.html) or OpenDocument text (.odt) file.");
  }
  const auto failed = [&path](const QString& why) {
    return QObject::tr("The report could not be exported to %1:\n%2").arg(path, why);
  };
  // What the folder and the file are like now says why an export cannot or could
  // not be written, whatever the system's error number (the save file's own text
  // is often only "Unknown error").
  const auto cause = [&path](qint64 size) -> std::optional<int> {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) return ENOENT;
    if (file.isDir()) return EISDIR;
    // A folder without any write bit is read-only by intent, even for a user
    // (such as root) whom the system would let write it.
    if (!folder.isWritable() || !(folder.permissions() & kWriteBits)) return EACCES;
    const QStorageInfo disk(folder.absoluteFilePath());
    if (disk.isValid() && disk.isReady() && disk.bytesAvailable() >= 0 &&
        disk.bytesAvailable() < size) {
      return ENOSPC;
    }
    return std::nullopt;
  };
  const auto explained = [&](int systemError, const QString& systemText, qint64 size) {
    QString why = ExportFailureCause(systemError, path);
    if (why.isEmpty()) {
      if (const auto seen = cause(size)) why = ExportFailureCause(*seen, path);
    }
    if (why.isEmpty()) {
      why = QObject::tr("%1. Try again, or export to another folder.").arg(systemText);
    }
    return failed(why);
  };
  // A file the user made read-only is not replaced, whoever runs the program.
  const QFileInfo existing(path);
  if (existing.exists() && !existing.isDir() &&
      (!existing.isWritable() || !(existing.permissions() & kWriteBits))) {
    return failed(
        QObject::tr("the file is read-only. Choose another name, or make the file writable."));
  }
  if (const auto seen = cause(0)) return failed(ExportFailureCause(*seen, path));
  // The report is made in memory (the OpenDocument writer closes its device when
  // done), then goes to a new file that replaces the old one only when complete,
  // so a failed export leaves the earlier file as it was.
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (pdf) {
      QPdfWriter writer(&buffer);
      writer.setResolution(1200);
      writer.setTitle(title);
      PrepareReportPage(writer, &document);
      document.print(&writer);
    } else if (html) {
      buffer.write(document.toHtml().toUtf8());
    } else {
      QTextDocumentWriter writer(&buffer, "odf");
      if (!writer.write(&document)) bytes.clear();
    }
  }
  // Printing says nothing when its painter cannot start; nothing is made then.
  if (bytes.isEmpty()) return failed(QObject::tr("the report could not be made in this format."));
  if (const auto seen = cause(bytes.size())) return failed(ExportFailureCause(*seen, path));
  // No writing straight into the old file when no new file can be made beside it:
  // a disk filling up half-way would leave neither report. The error number is
  // taken straight after each failed call, before anything else can change it.
  QSaveFile file(path);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly)) {
    const int error = errno;
    return explained(error, file.errorString(), bytes.size());
  }
  errno = 0;
  bool written = file.write(bytes) == bytes.size();
  int error = errno;
  if (written) {
    errno = 0;
    written = file.flush();
    error = errno;
  }
  if (!written) {
    const QString why = file.errorString();
    // The unfinished new file is removed; the old one was never touched.
    file.cancelWriting();
    return explained(error, why, bytes.size());
  }
  errno = 0;
  if (!file.commit()) {
    error = errno;
    return explained(error, file.errorString(), bytes.size());
  }
  return std::nullopt;
}

}  // namespace reventa
