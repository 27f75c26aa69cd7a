#include "editors/ui/unitspropsheet.h"

#include "platform/ui/helptopics.h"

#include "editors/tablecommit.h"
#include "editors/ui/sidepicsheetpage.h"
#include "editors/ui/unitarmorpage.h"
#include "editors/ui/unitdatapage.h"
#include "editors/ui/unitweponspage.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace quorvant::ui {
namespace {

template <class Page> CUnitSheetPage* Make(UnitEditContext& context) {
    return new Page(context);
}

// The pages in their order; the first is the data page.
using PageMaker = CUnitSheetPage* (*)(UnitEditContext&);
constexpr PageMaker kPages[] = {
    &Make<CUnitDataPage>,
    &Make<CUnitWeponsPage>,
    &Make<CUnitArmorPage>,
    &CSidePicSheetPage::Make,
};

} // namespace

CUnitsPropSheet::CUnitsPropSheet(CQuorvantDoc& doc, int slot, const AppSettings* settings)
    : CRecordEditor(doc, kUnitTable) {
    setObjectName(QStringLiteral("UnitsPropSheet"));
    setWindowTitle(QStringLiteral("Unit Information"));
    context_.document = &doc;
    context_.index = slot;
    context_.settings = settings;

    tabs_ = new QTabWidget;
    for (PageMaker make : kPages) {
        CUnitSheetPage* page = make(context_);
        if (!page) continue;
        pages_.push_back(page);
        tabs_->addTab(page, page->Title());
        connect(page, &CUnitSheetPage::statusMessage, this, &CRecordEditor::statusMessage);
    }
    dataPage_ = static_cast<CUnitDataPage*>(pages_.front());
    connect(dataPage_, &CUnitDataPage::okClicked, this, &CUnitsPropSheet::accept);
    connect(dataPage_, &CUnitDataPage::cancelClicked, this, &CUnitsPropSheet::reject);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Help);
    buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("9"));
    buttons->button(QDialogButtonBox::Help)->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Help)
        ->setWhatsThis(QStringLiteral("Opens the help page at the page shown. Shift+F1, then a click on a "
                                      "field, tells what that field means."));
    // The help page names each page's topic after its tab: "Unit Armor " is "unit-armor".
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] {
        ShowHelpTopic(tabs_->tabText(tabs_->currentIndex())
                          .trimmed()
                          .toLower()
                          .replace(QLatin1Char(' '), QLatin1Char('-')));
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &CUnitsPropSheet::ShowHelpForFocus);
    AddWhatsThisKey(this);

    dataPage_->OnSetActive();
    connect(tabs_, &QTabWidget::currentChanged, this, &CUnitsPropSheet::OnTabChanged);
}

CUnitSheetPage* CUnitsPropSheet::page(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

bool CUnitsPropSheet::SetActivePage(int index) {
    if (!page(index)) return false;
    tabs_->setCurrentIndex(index);
    return active_ == index;
}

void CUnitsPropSheet::OnTabChanged(int index) {
    if (switching_ || index == active_) return;
    CUnitSheetPage* leaving = ActivePage();
    if (!leaving->OnKillActive()) {
        switching_ = true;
        tabs_->setCurrentIndex(active_);
        switching_ = false;
        leaving->FocusInvalid();
        return;
    }
    active_ = index;
    ActivePage()->OnSetActive();
}

void CUnitsPropSheet::RePoint(int slot) {
    context_.index = slot;
    dataPage_->OnSetActive();
    // The page shown edits the new unit too, so nothing of the old one is stored into it later.
    if (ActivePage() != dataPage_) ActivePage()->OnSetActive();
}

bool CUnitsPropSheet::StoreForCommit() {
    if (ActivePage()->OnKillActive()) return true;
    ActivePage()->FocusInvalid();
    return false;
}

void CUnitsPropSheet::ShowHelpForFocus() {
    QWidget* focus = QApplication::focusWidget();
    for (QWidget* w = focus; w && w != this; w = w->parentWidget()) {
        if (w->whatsThis().isEmpty()) continue;
        QWhatsThis::showText(w->mapToGlobal(QPoint(w->width() / 2, w->height())), w->whatsThis(), w);
        return;
    }
}

} // namespace quorvant::ui
