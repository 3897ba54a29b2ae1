#include "gui/CFibrologView.h"

#include "app/StatusSink.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "document/CFibrologDoc.h"
#include "gui/VerdictCellColour.h"
#include "gui/ViewControlIds.h"
#include "report/CircuitDetailReport.h"
#include "report/CircuitSummaryReport.h"
#include "report/ViewCaptions.h"
#include "report/ViewDetailsPage.h"
#include "report/ViewSummaryPages.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

using namespace ViewControlIds;

namespace {

QString controlName(int id)
{
    return QStringLiteral("c%1").arg(id);
}

QLabel* makeLabel(int id, QWidget* parent)
{
    auto* label = new QLabel(parent);
    if (id > 0)
        label->setObjectName(controlName(id));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A caption's text as a screen reader says it: without the mnemonic's "&".
QString withoutMnemonic(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain += text.at(i);
    }
    return plain;
}

// Trailing blanks of the fixed-width columns are no part of what the user typed.
QString withoutPadding(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

} // namespace

// Sets a line edit's text without it counting as the user's edit. The field
// the user is typing in keeps his text (and his cursor) while what is stored
// says the same: a blank typed at the end is no change to undo.
void CFibrologView::showText(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    if (edit == typingIn_ && withoutPadding(edit->text()) == withoutPadding(text))
        return;
    edit->setText(text);
}

namespace {

} // namespace

CFibrologView::CFibrologView(CFibrologDoc& document, UserPrompt& prompt, StatusSink& status, QWidget* parent)
    : QWidget(parent), document_(document), prompt_(prompt), status_(status)
{
    buildForm();
    connect(&document_, &CFibrologDoc::circuitsReset, this, [this] {
        pagesStale_ = true;
        reload();
    });
    connect(&document_, &CFibrologDoc::circuitsChanged, this, &CFibrologView::showChange);
    connect(&document_, &CFibrologDoc::circuitRemoved, this, [this] {
        pagesStale_ = true;
        refill();
    });
    connect(&document_, &CFibrologDoc::currentIndexChanged, this, [this] { refill(); });
    // The program opens in Summary.
    showSummary();
    reload();
}

CFibrologView::~CFibrologView() = default;

void CFibrologView::buildForm()
{
    // The form scrolls inside the window: on a screen too small for it (a
    // laptop, or large scaling) all of it is reached by scrolling, and the
    // window can be made as small as its menus and status bar allow.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    scroller_ = new QScrollArea(this);
    scroller_->setObjectName(QStringLiteral("formScroller"));
    scroller_->setWidgetResizable(true);
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::StrongFocus);
    scroller_->setAccessibleName(Strings::loadString(StringId::ViewFormName));
    outer->addWidget(scroller_);
    // The keyboard starts here, outside the fields, so that a stray key
    // edits nothing; Tab goes on into the fields.
    setFocusProxy(scroller_);

    auto* page = new QWidget(scroller_);
    auto* pageLayout = new QVBoxLayout(page);
    noDataLabel_ = makeLabel(kNoData, page);
    noDataLabel_->setText(Strings::loadString(StringId::NoDataLoaded));
    noDataLabel_->setAlignment(Qt::AlignCenter);
    noDataLabel_->setWordWrap(true);
    pageLayout->addWidget(noDataLabel_);

    form_ = new QWidget(page);
    auto* formLayout = new QVBoxLayout(form_);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->addWidget(buildCompanyBlock());
    layouts_ = new QStackedWidget(form_);
    layouts_->addWidget(buildDetailsPanel());
    layouts_->addWidget(buildSummaryPanel());
    // The form is as tall as the layout shown: Summary does not scroll for
    // the room the longer Details would need.
    connect(layouts_, &QStackedWidget::currentChanged, this, [this] {
        for (QWidget* panel : {detailsPanel_, summaryPanel_}) {
            const bool shown = panel == layouts_->currentWidget();
            panel->setSizePolicy(shown ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                                 shown ? QSizePolicy::Preferred : QSizePolicy::Ignored);
        }
        layouts_->updateGeometry();
    });
    formLayout->addWidget(layouts_, 1);
    pageLayout->addWidget(form_, 1);
    scroller_->setWidget(page);
}

QLabel* CFibrologView::addCaption(int stringId, QLineEdit* field)
{
    // The caption is the field's buddy: Alt and its underlined letter go to
    // the field, and screen readers name the field by it.
    auto* caption = new QLabel(Strings::loadString(stringId), this);
    caption->setBuddy(field);
    // Qt measures the caption with kerning but draws it with the underlined
    // letter set apart, which undoes a pair such as "Te": the last letter
    // would be cut off. Without kerning both agree.
    QFont font = caption->font();
    font.setKerning(false);
    caption->setFont(font);
    field->setAccessibleName(withoutMnemonic(caption->text()));
    return caption;
}

QLineEdit* CFibrologView::addEdit(int id, int maxLength, Field field)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(controlName(id));
    edit->setMaxLength(maxLength);
    edit->installEventFilter(this);
    // The user's typing only: filling the form is no edit.
    connect(edit, &QLineEdit::textEdited, this, [this, edit, field](const QString& text) {
        typingIn_ = edit;
        onEdited(field, text);
    });
    connect(edit, &QLineEdit::editingFinished, this, [this, field] {
        typingIn_ = nullptr;
        if (pendingEdit_ == field)
            writePendingEdit();
    });
    return edit;
}

bool CFibrologView::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+Del is also the window's Delete, which removes the whole circuit:
    // typed in a field it must delete a word of the field, as everywhere else.
    if (event->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit*>(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrlDel = key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier;
        if (ctrlDel || key->matches(QKeySequence::DeleteEndOfWord) ||
            key->matches(QKeySequence::DeleteStartOfWord)) {
            event->accept();
            return true;
        }
        // Ctrl+Home and Ctrl+End go to the first and the last circuit from
        // anywhere in the window; in a one-line field Home and End already
        // do what the field would have done with them.
        const bool ctrlHomeEnd = key->modifiers() == Qt::ControlModifier &&
                                 (key->key() == Qt::Key_Home || key->key() == Qt::Key_End);
        if (ctrlHomeEnd) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CFibrologView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && form_)
        refill();
}

QLabel* CFibrologView::addValue(int id)
{
    // Values come from the user's files and the standards, as long as they
    // are: wrapped at the column's width rather than cut or widening the form.
    QLabel* value = makeLabel(id, this);
    value->setWordWrap(true);
    return value;
}

QWidget* CFibrologView::buildCompanyBlock()
{
    auto* block = new QWidget(this);
    auto* layout = new QFormLayout(block);
    company_ = addEdit(kCompany, 50, Field::Company);
    telephone_ = addEdit(kTelephone, 13, Field::Telephone);
    meterType_ = addValue(kMeterType);
    serialNumber_ = addValue(kSerialNumber);
    firmware_ = addValue(kFirmware);
    layout->addRow(addCaption(StringId::ViewLabelCompany, company_), company_);
    layout->addRow(addCaption(StringId::ViewLabelTelephone, telephone_), telephone_);
    const std::array<std::pair<int, QWidget*>, 3> rows = {
        {{kMeterType, meterType_}, {kSerialNumber, serialNumber_}, {kFirmware, firmware_}}};
    for (const auto& [id, widget] : rows)
        layout->addRow(viewCaptionTextForValue(id), widget);
    return block;
}

QWidget* CFibrologView::buildDetailsPanel()
{
    detailsPanel_ = new QWidget(this);
    auto* layout = new QVBoxLayout(detailsPanel_);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* linkFrame = new QGroupBox(detailsPanel_);
    linkFrame->setObjectName(controlName(kLinkFrame));
    auto* link = new QFormLayout(linkFrame);
    linkId_ = addEdit(kLinkId, 50, Field::LinkId);
    linkComment_ = addEdit(kLinkComment, 128, Field::LinkComment);
    circuitId_ = addEdit(kCircuitId, 50, Field::CircuitId);
    calibrationDate_ = addValue(kCalibrationDate);
    dateOfTest_ = addValue(kDateOfTest);
    temperature_ = addValue(kTemperature);
    dateOfDownload_ = addValue(kDateOfDownload);
    link->addRow(addCaption(StringId::ViewLabelLinkId, linkId_), linkId_);
    link->addRow(addCaption(StringId::ViewLabelLinkComment, linkComment_), linkComment_);
    link->addRow(addCaption(StringId::ViewLabelCircuitId, circuitId_), circuitId_);
    const std::array<std::pair<int, QWidget*>, 4> linkRows = {{{kDateOfTest, dateOfTest_},
                                                               {kCalibrationDate, calibrationDate_},
                                                               {kDateOfDownload, dateOfDownload_},
                                                               {kTemperature, temperature_}}};
    for (const auto& [id, widget] : linkRows)
        link->addRow(viewCaptionTextForValue(id), widget);
    layout->addWidget(linkFrame);

    auto* characteristics =
        new QGroupBox(Strings::loadString(StringId::CircuitCharacteristicsGroup), detailsPanel_);
    characteristics->setObjectName(controlName(kCharacteristicsGroup));
    auto* figures = new QFormLayout(characteristics);
    length_ = addValue(kLength);
    lengthCaption_ = makeLabel(kLengthCaption, characteristics);
    connectorPairs_ = addValue(kConnectorPairs);
    splices_ = addValue(kSplices);
    cableType_ = addValue(kCableType);
    standard_ = addValue(kStandard);
    figures->addRow(lengthCaption_, length_);
    for (const auto& [id, widget] :
         std::array<std::pair<int, QLabel*>, 4>{{{kConnectorPairs, connectorPairs_},
                                                 {kSplices, splices_},
                                                 {kCableType, cableType_},
                                                 {kStandard, standard_}}})
        figures->addRow(viewCaptionTextForValue(id), widget);
    layout->addWidget(characteristics);

    auto* results = new QGroupBox(Strings::loadString(StringId::CircuitTestResultsGroup), detailsPanel_);
    results->setObjectName(controlName(kResultsGroup));
    auto* table = new QGridLayout(results);
    resultsTitle_ = makeLabel(kResultsTitle, results);
    resultsTitle_->setWordWrap(true);
    table->addWidget(resultsTitle_, 0, 0, 1, 5);
    for (int c = 0; c < 4; ++c) {
        detailHeads_[static_cast<std::size_t>(c)] =
            makeLabel(kDetailHeads[static_cast<std::size_t>(c)], results);
        detailHeads_[static_cast<std::size_t>(c)]->setAlignment(Qt::AlignCenter);
        table->addWidget(detailHeads_[static_cast<std::size_t>(c)], 1, c + 1);
    }
    for (int r = 0; r < 10; ++r) {
        auto& caption = detailRowCaptions_[static_cast<std::size_t>(r)];
        caption = makeLabel(kDetailRowCaptions[static_cast<std::size_t>(r)], results);
        table->addWidget(caption, r + 2, 0);
        for (int c = 0; c < 4; ++c) {
            QLabel*& cell = detailCells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            cell = makeLabel(detailCell(r, c), results);
            cell->setAlignment(Qt::AlignCenter);
            table->addWidget(cell, r + 2, c + 1);
        }
    }
    table->setColumnStretch(0, 2);
    for (int c = 1; c <= 4; ++c)
        table->setColumnStretch(c, 1);
    layout->addWidget(results, 1);
    return detailsPanel_;
}

QWidget* CFibrologView::buildSummaryPanel()
{
    summaryPanel_ = new QWidget(this);
    auto* layout = new QVBoxLayout(summaryPanel_);
    layout->setContentsMargins(0, 0, 0, 0);
    summaryGroup_ = new QGroupBox(summaryPanel_);
    summaryGroup_->setObjectName(controlName(kSummaryGroup));
    auto* table = new QGridLayout(summaryGroup_);
    QLabel* picture = makeLabel(kSummaryPicture, summaryGroup_);
    // At the screen's pixel density, so that it is sharp at 200 %.
    picture->setPixmap(
        style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(QSize(24, 24), devicePixelRatioF()));
    table->addWidget(picture, 0, 0);
    for (int c = 0; c < 4; ++c) {
        auto& head = summaryHeads_[static_cast<std::size_t>(c)];
        head = makeLabel(kSummaryHeads[static_cast<std::size_t>(c)], summaryGroup_);
        head->setAlignment(Qt::AlignCenter);
        table->addWidget(head, 0, c + 1);
    }
    for (int r = 0; r < 10; ++r) {
        auto& caption = summaryRowCaptions_[static_cast<std::size_t>(r)];
        caption = makeLabel(summaryRowCaption(r), summaryGroup_);
        // Link and circuit names may be long: they wrap, never cut.
        caption->setWordWrap(true);
        table->addWidget(caption, r + 1, 0);
        for (int c = 0; c < 4; ++c) {
            QLabel*& cell = summaryCells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            cell = makeLabel(summaryCell(r, c), summaryGroup_);
            cell->setAlignment(Qt::AlignCenter);
            table->addWidget(cell, r + 1, c + 1);
        }
    }
    table->setColumnStretch(0, 2);
    for (int c = 1; c <= 4; ++c)
        table->setColumnStretch(c, 1);
    table->setRowStretch(11, 1);
    layout->addWidget(summaryGroup_, 1);
    return summaryPanel_;
}

const ViewSummaryPages& CFibrologView::summaryPages() const
{
    if (pagesStale_) {
        pages_.build(document_.circuits());
        pagesStale_ = false;
    }
    return pages_;
}

int CFibrologView::currentPage() const
{
    return summaryPages().pageOf(document_.currentIndex());
}

bool CFibrologView::canMoveBack() const
{
    if (document_.circuits().isEmpty())
        return false;
    return showDetails_ ? document_.currentIndex() > 0 : currentPage() > 0;
}

bool CFibrologView::canMoveForward() const
{
    const int count = document_.circuits().count();
    if (count == 0)
        return false;
    return showDetails_ ? document_.currentIndex() < count - 1 : currentPage() < summaryPages().count() - 1;
}

bool CFibrologView::canDelete() const
{
    return document_.circuits().count() > 0;
}

std::unique_ptr<PagedReport> CFibrologView::makeReport() const
{
    if (document_.circuits().isEmpty())
        return nullptr;
    ReportOptions options;
    options.lengthInKilometers = lengthInKilometers_;
    options.verdictsInColour = verdictsInColour_;
    if (showDetails_)
        return std::make_unique<CircuitDetailReport>(document_.circuits(), options);
    return std::make_unique<CircuitSummaryReport>(document_.circuits(), options);
}

void CFibrologView::reload()
{
    pendingEdit_ = Field::None;
    refill();
}

void CFibrologView::moveBy(int steps)
{
    writePendingEdit();
    if (!document_.hasDatabase())
        return;
    if (showDetails_) {
        document_.setCurrentIndex(document_.currentIndex() + steps);
        return;
    }
    const ViewSummaryPages& pages = summaryPages();
    if (pages.isEmpty())
        return;
    const int page = std::clamp(currentPage() + steps, 0, pages.count() - 1);
    document_.setCurrentIndex(pages.start(page));
}

void CFibrologView::moveFirst()
{
    moveBy(-document_.circuits().count());
}

void CFibrologView::movePrevious()
{
    moveBy(-1);
}

void CFibrologView::movePrevious10()
{
    moveBy(-10);
}

void CFibrologView::moveNext()
{
    moveBy(1);
}

void CFibrologView::moveNext10()
{
    moveBy(10);
}

void CFibrologView::moveLast()
{
    moveBy(document_.circuits().count());
}

void CFibrologView::moveTo(int index)
{
    moveBy(index - document_.currentIndex());
}

void CFibrologView::showCircuit(int index)
{
    writePendingEdit();
    if (document_.hasDatabase())
        document_.setCurrentIndex(index);
}

void CFibrologView::showSummary()
{
    if (noData_ && layouts_->currentWidget() == summaryPanel_)
        return;
    writePendingEdit();
    showDetails_ = false;
    layouts_->setCurrentWidget(summaryPanel_);
    refill();
}

void CFibrologView::showDetails()
{
    if (noData_ && layouts_->currentWidget() == detailsPanel_)
        return;
    writePendingEdit();
    showDetails_ = true;
    layouts_->setCurrentWidget(detailsPanel_);
    refill();
}

void CFibrologView::toggleLayout()
{
    if (showDetails_)
        showSummary();
    else
        showDetails();
}

void CFibrologView::setSummaryMode(SummaryMode mode)
{
    summaryMode_ = mode;
    refill();
}

void CFibrologView::setLengthInKilometers(bool kilometers)
{
    lengthInKilometers_ = kilometers;
    refill();
}

void CFibrologView::showEmptyState(bool empty)
{
    noData_ = empty;
    noDataLabel_->setVisible(empty);
    form_->setVisible(!empty);
}

void CFibrologView::refill()
{
    const bool empty = !document_.hasDatabase() || document_.circuits().isEmpty();
    showEmptyState(empty);
    if (!empty) {
        if (showDetails_)
            fillDetails();
        else
            fillSummary();
    }
    reportPosition();
    Q_EMIT stateChanged();
}

void CFibrologView::reportPosition()
{
    const int count = noData_ ? 0 : document_.circuits().count();
    // The position is always the current circuit's: after deleting the last
    // circuit it moves back with the index, never "Record 10 of 9".
    status_.showRecordPosition(count == 0 ? 0 : document_.currentIndex() + 1, count);
}

void CFibrologView::fillDetails()
{
    const ViewDetailsPage page =
        ViewDetailsPage::of(document_.circuits().recordAt(document_.currentIndex()), lengthInKilometers_);
    showText(company_, withoutPadding(page.company));
    showText(telephone_, withoutPadding(page.telephone));
    meterType_->setText(page.meterType);
    serialNumber_->setText(page.serialNumber);
    firmware_->setText(page.firmwareVersion);
    showText(linkId_, page.linkId);
    showText(linkComment_, page.linkComment);
    showText(circuitId_, page.circuitId);
    dateOfTest_->setText(page.dateOfTest);
    calibrationDate_->setText(page.calibrationDate);
    dateOfDownload_->setText(page.dateOfDownload);
    temperature_->setText(page.temperature);
    lengthCaption_->setText(page.lengthCaption);
    length_->setText(page.length);
    connectorPairs_->setText(page.connectorPairs);
    splices_->setText(page.splices);
    cableType_->setText(page.cableType);
    standard_->setText(page.standard);
    resultsTitle_->setText(page.title);
    for (std::size_t c = 0; c < 4; ++c)
        detailHeads_[c]->setText(page.heads[c]);
    for (std::size_t r = 0; r < 10; ++r) {
        detailRowCaptions_[r]->setText(page.rowCaptions[r]);
        for (std::size_t c = 0; c < 4; ++c) {
            detailCells_[r][c]->setText(page.cells[r][c]);
            showVerdictColour(*detailCells_[r][c], page.verdicts[r][c], *this);
        }
    }
}

void CFibrologView::fillSummary()
{
    const ViewSummaryPages& pages = summaryPages();
    const int start = pages.isEmpty() ? 0 : pages.start(currentPage());
    summaryPage_ = ViewSummaryPage::of(document_.circuits(), start, summaryMode_);
    const ViewSummaryPage& page = summaryPage_;
    summaryGroup_->setTitle(page.title);
    showText(company_, withoutPadding(page.company));
    showText(telephone_, withoutPadding(page.telephone));
    meterType_->setText(page.meterType);
    serialNumber_->setText(page.serialNumber);
    firmware_->setText(page.firmwareVersion);
    for (std::size_t c = 0; c < 4; ++c)
        summaryHeads_[c]->setText(page.heads[c]);
    for (int r = 0; r < ViewSummaryPage::kMaxRows; ++r) {
        const auto row = static_cast<std::size_t>(r);
        const bool shown = r < page.rowCount();
        summaryRowCaptions_[row]->setText(page.rows[row].caption);
        summaryRowCaptions_[row]->setVisible(shown);
        for (std::size_t c = 0; c < 4; ++c) {
            summaryCells_[row][c]->setText(page.rows[row].cells[c]);
            showVerdictColour(*summaryCells_[row][c], page.rows[row].verdicts[c], *this);
            summaryCells_[row][c]->setVisible(shown);
        }
    }
}

void CFibrologView::showChange(const CircuitChange& change)
{
    // A renamed link or company may join its circuits to the group beside
    // them, or part them.
    const bool breaksMoved = ViewSummaryPages::breaksMayMove(document_.circuits(), change);
    if (breaksMoved)
        pagesStale_ = true;
    if (noData_)
        return;
    if (showDetails_)
        showChangedDetails(change);
    else
        showChangedSummary(change, breaksMoved);
}

void CFibrologView::showChangedDetails(const CircuitChange& change)
{
    const int current = document_.currentIndex();
    if (!change.circuits.contains(current))
        return;
    const CircuitRecord& circuit = document_.circuits().recordAt(current);
    if (change.changed(CircuitChange::Company)) {
        showText(company_, withoutPadding(circuit.companyName));
        showText(telephone_, withoutPadding(circuit.companyPhone));
    }
    if (change.changed(CircuitChange::Link)) {
        showText(linkId_, circuit.linkId);
        showText(linkComment_, circuit.linkComment);
    }
    if (change.changed(CircuitChange::CircuitId))
        showText(circuitId_, circuit.circuitId);
}

void CFibrologView::showChangedSummary(const CircuitChange& change, bool breaksMoved)
{
    const FiberCursor& circuits = document_.circuits();
    if (breaksMoved) {
        // The page may now start or end elsewhere; then it is shown anew.
        const ViewSummaryPages& pages = summaryPages();
        const int start = pages.start(currentPage());
        if (start != summaryPage_.start || ViewSummaryPages::endOf(circuits, start) != summaryPage_.end) {
            refill();
            return;
        }
        // Pages elsewhere may have joined or parted: the commands follow.
        Q_EMIT stateChanged();
    }
    if (!change.circuits.intersects(summaryPage_.start, summaryPage_.end))
        return;
    if (change.changed(CircuitChange::Company) &&
        change.circuits.contains(summaryPage_.companyCircuitIndex)) {
        const CircuitRecord& circuit = circuits.recordAt(summaryPage_.companyCircuitIndex);
        summaryPage_.company = circuit.companyName;
        summaryPage_.telephone = circuit.companyPhone;
        showText(company_, withoutPadding(circuit.companyName));
        showText(telephone_, withoutPadding(circuit.companyPhone));
    }
    // Row captions name the link and the circuit.
    if (change.changed(CircuitChange::Link) || change.changed(CircuitChange::CircuitId)) {
        for (int r = 0; r < summaryPage_.rowCount(); ++r) {
            const int index = summaryPage_.start + r;
            if (!change.circuits.contains(index))
                continue;
            const auto row = static_cast<std::size_t>(r);
            summaryPage_.rows[row].caption = ViewSummaryPage::rowCaption(circuits.recordAt(index));
            summaryRowCaptions_[row]->setText(summaryPage_.rows[row].caption);
        }
    }
}

int CFibrologView::companyCircuitIndex() const
{
    if (!showDetails_ && summaryPage_.companyCircuitIndex >= 0)
        return summaryPage_.companyCircuitIndex;
    return document_.currentIndex();
}

void CFibrologView::onEdited(Field field, const QString& text)
{
    pendingEdit_ = field;

    // An emptied field is refused by the database; it is written (and, if
    // still empty, refused with the reason) when the user leaves it, not at
    // every keystroke. A cleared comment or telephone is stored blank.
    const bool blankable = field == Field::LinkComment || field == Field::Telephone;
    if (!text.isEmpty() || blankable) {
        // Written while the user goes on typing in the same field.
        pendingEdit_ = Field::None;
        writeField(field);
    }
}

void CFibrologView::writePendingEdit()
{
    const Field field = pendingEdit_;
    typingIn_ = nullptr;
    pendingEdit_ = Field::None;
    if (field != Field::None)
        writeField(field);
}

void CFibrologView::writeField(Field field)
{
    if (noData_)
        return;
    const int current = document_.currentIndex();
    OperationResult written = OperationResult::success();
    switch (field) {
    case Field::CircuitId:
        written = document_.renameCircuit(current, circuitId_->text());
        break;
    case Field::LinkId:
    case Field::LinkComment:
        written = document_.setLink(current, linkId_->text(), linkComment_->text());
        break;
    case Field::Company:
    case Field::Telephone:
        written = document_.setCompany(companyCircuitIndex(), company_->text(), telephone_->text());
        break;
    case Field::None:
        return;
    }
    if (!written) {
        // Say why, and show what is stored rather than text that never was.
        typingIn_ = nullptr;
        prompt_.message(written.message(), Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
        refill();
    }
}

void CFibrologView::deleteCurrent()
{
    writePendingEdit();
    if (!canDelete())
        return;
    const int current = document_.currentIndex();
    // The question names what goes: in Summary the current circuit is one of ten.
    const CircuitRecord& circuit = document_.circuits().recordAt(current);
    const QString question =
        Strings::formatMessage(Strings::loadString(StringId::DeleteCircuitQuestion),
                               {withoutPadding(circuit.linkId), withoutPadding(circuit.circuitId)});
    if (deleteQuestion_ && !deleteQuestion_(question))
        return;
    const OperationResult deleted = document_.deleteCircuit(current);
    if (!deleted)
        prompt_.message(deleted.message(), Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
}
