#include "viewer/app/option_forms.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

#include "viewer/formats/compression_dialog.h"
#include "viewer/services/shell_actions.h"
#include "viewer/view/mouse_dialogs.h"

namespace ionvue {

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

bool Run(QDialog& form) { return form.exec() == QDialog::Accepted; }

}  // namespace

FieldForm::FieldForm(const QString& title, QWidget* parent)
    : ModelForm(parent), layout_(new QFormLayout) {
  setWindowTitle(title);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(layout_);
}

QLineEdit* FieldForm::AddReal(const QString& label, double& target, double low, double high) {
  auto* edit = new QLineEdit(FieldText(target));
  layout_->addRow(label, edit);
  fields_.push_back([this, edit, &target, low, high](bool commit) {
    std::optional<double> value = RealIn(edit, low, high);
    if (value && commit) target = *value;
    return value.has_value();
  });
  return edit;
}

QLineEdit* FieldForm::AddInteger(const QString& label, int& target, int low, int high) {
  auto* edit = new QLineEdit(QString::number(target));
  layout_->addRow(label, edit);
  fields_.push_back([this, edit, &target, low, high](bool commit) {
    std::optional<int> value = IntegerIn(edit, low, high);
    if (value && commit) target = *value;
    return value.has_value();
  });
  return edit;
}

QLineEdit* FieldForm::AddText(const QString& label, std::string& target) {
  auto* edit = new QLineEdit(QString::fromStdString(target));
  layout_->addRow(label, edit);
  fields_.push_back([edit, &target](bool commit) {
    if (commit) target = edit->text().toStdString();
    return true;
  });
  return edit;
}

QCheckBox* FieldForm::AddCheck(const QString& label, bool& target) {
  auto* box = new QCheckBox(label);
  box->setChecked(target);
  layout_->addRow(box);
  fields_.push_back([box, &target](bool commit) {
    if (commit) target = box->isChecked();
    return true;
  });
  return box;
}

void FieldForm::SetSuffix(QLineEdit* field, const QString& suffix) {
  int row = -1;
  QFormLayout::ItemRole role;
  layout_->getWidgetPosition(field, &row, &role);
  if (row < 0) return;
  auto* holder = new QWidget;
  auto* line = new QHBoxLayout(holder);
  line->setContentsMargins(0, 0, 0, 0);
  QLayoutItem* item = layout_->itemAt(row, QFormLayout::FieldRole);
  layout_->removeItem(item);
  delete item;
  line->addWidget(field);
  line->addWidget(new QLabel(suffix));
  layout_->setWidget(row, QFormLayout::FieldRole, holder);
}

void FieldForm::AddButtons(const QString& accept, const QString& reject) {
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(accept, QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(reject, QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout()->addWidget(buttons);
}

void FieldForm::accept() {
  for (auto& field : fields_)
    if (!field(false)) return;
  for (auto& field : fields_) field(true);
  QDialog::accept();
}

TraceChoiceForm::TraceChoiceForm(TraceChoiceDialog& model, QWidget* parent)
    : ModelForm(parent), model_(model), list_(new QListWidget) {
  setWindowTitle(QString::fromStdString(model.Title()));
  for (const std::string& title : model.titles) list_->addItem(QString::fromStdString(title));
  if (!model.titles.empty()) list_->setCurrentRow(model.HasChoice() ? model.selected : 0);
  list_->setMinimumWidth(360);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
}

void TraceChoiceForm::accept() {
  model_.selected = list_->currentRow();
  QDialog::accept();
}

namespace {

// The copyright box has no buttons; Escape or the close box ends it.
class CopyrightForm : public QDialog {
 public:
  CopyrightForm(const CopyrightBox& model, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromStdString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    for (const std::string& line : model.lines) {
      auto* label = new QLabel(QString::fromStdString(line));
      label->setAlignment(Qt::AlignCenter);
      layout->addWidget(label);
    }
    layout->setContentsMargins(32, 24, 32, 24);
  }
};

bool RunPrintSetup(PrintSetupDialog& model, QWidget* parent) {
  QDialog form(parent);
  form.setWindowTitle(QString::fromStdString(model.Title()));
  auto* portrait = new QRadioButton("Portrait");
  auto* landscape = new QRadioButton("Landscape");
  (model.orientation == PrintSetupDialog::kLandscape ? landscape : portrait)->setChecked(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &form, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &form, &QDialog::reject);
  auto* layout = new QVBoxLayout(&form);
  layout->addWidget(new QLabel("Orientation"));
  layout->addWidget(portrait);
  layout->addWidget(landscape);
  layout->addWidget(buttons);
  if (form.exec() != QDialog::Accepted) return false;
  model.orientation =
      landscape->isChecked() ? PrintSetupDialog::kLandscape : PrintSetupDialog::kPortrait;
  return true;
}

}  // namespace

std::optional<bool> RunOptionDialog(DialogModel& model, QWidget* parent) {
  const QString title = QString::fromStdString(model.Title());
  constexpr double kAny = std::numeric_limits<double>::max();
  constexpr int kMaxInt = std::numeric_limits<int>::max();

  if (auto* m = dynamic_cast<DisplayRangeDialog*>(&model)) {
    FieldForm form(title, parent);
    form.AddReal(Q(DisplayRangeDialog::kStartLabel), m->start, -kAny, kAny);
    form.AddReal(Q(DisplayRangeDialog::kEndLabel), m->end, -kAny, kAny);
    form.AddButtons();
    return Run(form);
  }
  if (auto* m = dynamic_cast<IntensityRangeDialog*>(&model)) {
    FieldForm form(title, parent);
    int maximum = m->maximum;
    form.AddInteger(Q(IntensityRangeDialog::kMaximumLabel), maximum, 1, kMaxInt);
    form.AddButtons();
    if (!Run(form)) return false;
    m->maximum = maximum;
    return true;
  }
  if (auto* m = dynamic_cast<ExpansionFactorDialog*>(&model)) {
    FieldForm form(title, parent);
    form.AddReal(Q(ExpansionFactorDialog::kFactorLabel), m->factor, 0.001, 1000000);
    form.AddButtons();
    return Run(form);
  }
  if (auto* m = dynamic_cast<GraphDimensionsDialog*>(&model)) {
    FieldForm form(title, parent);
    form.AddReal(Q(GraphDimensionsDialog::kHeightLabel), m->heightCm, 0.1, 200);
    form.AddReal(Q(GraphDimensionsDialog::kWidthLabel), m->widthCm, 0.1, 200);
    form.AddButtons();
    return Run(form);
  }
  if (auto* m = dynamic_cast<AxisLabelsDialog*>(&model)) {
    FieldForm form(title, parent);
    form.AddText(Q(AxisLabelsDialog::kIntensityLabel), m->intensityTitle);
    form.AddText(Q(AxisLabelsDialog::kMzLabel), m->mzTitle);
    form.AddButtons();
    return Run(form);
  }
  if (auto* m = dynamic_cast<LineWidthDialog*>(&model)) {
    FieldForm form(title, parent);
    int spectrum = m->spectrumWidth, frame = m->frameWidth;
    form.SetSuffix(form.AddInteger(Q(LineWidthDialog::kSpectrumLabel), spectrum, 0, 100), "points");
    form.SetSuffix(form.AddInteger(Q(LineWidthDialog::kFrameLabel), frame, 0, 100), "points");
    form.AddButtons();
    if (!Run(form)) return false;
    m->spectrumWidth = spectrum;
    m->frameWidth = frame;
    return true;
  }
  if (auto* m = dynamic_cast<TraceChoiceDialog*>(&model)) {
    TraceChoiceForm form(*m, parent);
    return Run(form);
  }
  if (auto* m = dynamic_cast<CrossColorDialog*>(&model)) {
    const QColor chosen = QColorDialog::getColor(QColor(m->color.r, m->color.g, m->color.b),
                                                 parent, title);
    if (!chosen.isValid()) return false;
    m->color = Color{static_cast<uint8_t>(chosen.red()), static_cast<uint8_t>(chosen.green()),
                     static_cast<uint8_t>(chosen.blue())};
    return true;
  }
  if (auto* m = dynamic_cast<CompressionDialog*>(&model)) {
    FieldForm form(title, parent);
    form.AddCheck(Q(CompressionDialog::kLosslessLabel), m->lossless);
    form.AddInteger(Q(CompressionDialog::kWindowLabel), m->window,
                    CompressionDialog::kWindowRange.low, CompressionDialog::kWindowRange.high);
    form.AddInteger(Q(CompressionDialog::kFactorLabel), m->factor,
                    CompressionDialog::kFactorRange.low, CompressionDialog::kFactorRange.high);
    QLineEdit* bin =
        form.AddInteger("", m->binFactor, CompressionDialog::kBinRange.low,
                        CompressionDialog::kBinRange.high);
    form.SetSuffix(bin, Q(CompressionDialog::kBinLabel));
    form.AddButtons();
    return Run(form);
  }
  if (auto* m = dynamic_cast<PrintSetupDialog*>(&model)) return RunPrintSetup(*m, parent);
  if (auto* m = dynamic_cast<CopyrightBox*>(&model)) {
    CopyrightForm form(*m, parent);
    form.exec();
    return true;
  }
  return std::nullopt;
}

}  // namespace ionvue
