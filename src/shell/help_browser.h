// SPDX-License-Identifier: GPL-3.0-or-later
// The help window (frmHelpBrowser, "Reventa Help"): the user guide
// (Reventa2024Help.pdf in the application folder) in a PDF view, with page
// navigation, zoom and search. A guide that is missing or cannot be read leaves
// the window empty; it never stops the program.
#pragma once

#include "frame/calculator_window.h"

class QLabel;
class QLineEdit;
class QPdfDocument;
class QPdfSearchModel;
class QPdfView;
class QSpinBox;
class QTimer;
class QToolButton;

namespace reventa {

inline constexpr const char* kHelpGuideFile = "Reventa2024Help.pdf";

class HelpBrowserWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit HelpBrowserWindow(AppContext& context);
  ~HelpBrowserWindow() override;

  // Room for the guide at a readable size; the main window's area limits it.
  QSize sizeHint() const override { return {900, 600}; }

  QPdfView* view() const { return view_; }
  QPdfDocument* document() const { return document_; }
  // The room left to the right of the view and below it: 100 twips.
  int margin() const;
  // Shows page `page` (0-based) at its top.
  void goToPage(int page);
  // Moves to the next place the search text is found, or the previous one.
  void findNext(bool forward = true);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The view fills the window below the tool row, less the margin.
  void placeView();
  void showPage(int page);
  void zoomBy(double factor);
  // The guide is searched page by page in the background, from the first page on,
  // a few pages at a time; the number of places found is known once every page
  // has been searched.
  void startSearch(const QString& text);
  void searchSomePages();
  bool searchFinished() const;
  // "3 of 12" once the count is known, "Searching…" before, "not found".
  void showFound();

  QWidget* tools_;
  QPdfDocument* document_;
  QPdfView* view_;
  QPdfSearchModel* search_;
  QSpinBox* page_;
  QLabel* pages_;
  QLineEdit* find_;
  QLabel* found_;
  QTimer* searching_;
  int searched_ = 0;      // the pages searched so far for the text in the find field
  int result_ = -1;       // the search result shown
  bool waiting_ = false;  // a search asked for before its results came in
};

}  // namespace reventa
