// LinkWindow, "Möjliga samband": the records of the other registers that
// may belong to the same life as the record shown in the main window,
// grouped by kind under a heading row each, best first, with score, name,
// date, parish and reasons; the current row's reasons in full under the
// list. Enter, a double click or the button shows the candidate: the
// dialog closes and says which, the main window shows it. Esc closes.
//
// Every decision is LinkListing's and LayOutLinkWindow's
// (linking/link_listing.h, linking/link_window_layout.h); this class
// passes the events on and shows the result.
#ifndef VX_DESKTOP_LINKING_LINK_WINDOW_H_
#define VX_DESKTOP_LINKING_LINK_WINDOW_H_

#include <QDialog>
#include <optional>

#include "linking/link_listing.h"

class QLabel;

namespace vx {

class ListGridView;
struct LinkWindowLayout;
class PictureSet;
class TLMtab;
class Tspecscr;
class Ttextform;
class TVXknapp;
class TVXpanel;

class LinkWindow : public QDialog {
  Q_OBJECT

 public:
  // The pictures and `help` (may be null: no help) must outlive the window.
  // The columns' headings are in `language`, the listings' language.
  LinkWindow(PictureSet& pictures, Ttextform* help, Language language = Language::kSwedish,
             QWidget* parent = nullptr);

  // Shows `listing` modally, titled after the register set's `heading`;
  // the candidate the user chose to show, or none when the window was
  // closed.
  std::optional<LinkCandidate> Choose(LinkListing listing, const QString& heading);

  const LinkListing& listing() const { return listing_; }
  TLMtab* grid() const { return grid_; }
  QString DetailText() const;
  QString CountText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls(PictureSet& pictures, const LinkWindowLayout& m);
  void BuildColumnHeadings(const LinkWindowLayout& m);
  void BuildButtons(PictureSet& pictures, const LinkWindowLayout& m);
  void ShowListing();
  void ShowDetail();
  void ShowChosen(int row);
  void ShowHelp();

  Ttextform* help_;
  Language language_;
  LinkListing listing_;
  std::optional<LinkCandidate> chosen_;

  TVXpanel* huvudpanel_ = nullptr;
  QLabel* rubriklab_ = nullptr;
  QLabel* rubrik2lab_ = nullptr;
  QLabel* antlabel_ = nullptr;
  TLMtab* grid_ = nullptr;
  Tspecscr* scroll_bar_ = nullptr;
  ListGridView* view_ = nullptr;
  QLabel* skallabel_ = nullptr;
  TVXknapp* visaknapp_ = nullptr;
  TVXknapp* slutknapp_ = nullptr;
  TVXknapp* helpknapp_ = nullptr;
};

}  // namespace vx

#endif  // VX_DESKTOP_LINKING_LINK_WINDOW_H_
