#include "viewer/app/dialog_forms.h"
#include "viewer/app/option_forms.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "viewer/core/document_dialogs.h"
#include "viewer/core/load_parameters_dialog.h"

namespace ionvue {

namespace {

QWidget* WithUnit(QLineEdit* field, const QString& unit) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(field);
  layout->addWidget(new QLabel(unit));
  return row;
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

QString FieldText(double value) { return QString::number(value, 'g', 15); }

QString RangeText(double value) {
  // Plain decimals, as the limits are written in the forms: 0.00001, 1000.
  QString text = QString::number(value, 'f', 10);
  if (text.contains('.')) {
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
  }
  return text;
}

ModelForm::ModelForm(QWidget* parent) : QDialog(parent) {
  complaint_ = [](QWidget* form, const QString& text) {
    QMessageBox::warning(form, "Ionvue", text);
  };
}

void ModelForm::Complain(QWidget* field, const QString& text) {
  if (complaint_) complaint_(this, text);
  if (field) {
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
  }
}

std::optional<double> ModelForm::RealIn(QLineEdit* field, double low, double high) {
  bool ok = false;
  const double value = field->text().toDouble(&ok);
  if (!ok) {
    Complain(field, "Please enter a number.");
    return std::nullopt;
  }
  if (!(value >= low && value <= high)) {
    Complain(field,
             QString("Please enter a number between %1 and %2.").arg(RangeText(low), RangeText(high)));
    return std::nullopt;
  }
  return value;
}

std::optional<int> ModelForm::IntegerIn(QLineEdit* field, int low, int high) {
  bool ok = false;
  const int value = field->text().toInt(&ok);
  if (!ok) {
    Complain(field, "Please enter an integer.");
    return std::nullopt;
  }
  if (value < low || value > high) {
    Complain(field, QString("Please enter an integer between %1 and %2.").arg(low).arg(high));
    return std::nullopt;
  }
  return value;
}

LoadParametersForm::LoadParametersForm(LoadParametersDialog& model, QWidget* parent)
    : ModelForm(parent),
      model_(model),
      time_base_(new QLineEdit(FieldText(model.timeBase))),
      shots_(new QLineEdit(QString::number(model.shots))),
      points_(new QComboBox),
      header_(new QLineEdit(QString::number(model.headerBytes))),
      types_(new QButtonGroup(this)),
      mass_table_(new QCheckBox("Linear mass-intensity table")),
      do_not_show_(new QCheckBox("Do not show this dialog")) {
  setWindowTitle(QString::fromStdString(model.Title()));
  points_->setEditable(true);
  for (const std::string& item : LoadParametersDialog::PointItems())
    points_->addItem(QString::fromStdString(item));
  points_->setCurrentText(QString::fromStdString(model.points));

  auto* fields = new QFormLayout;
  fields->addRow("Data time base", WithUnit(time_base_, "microseconds"));
  fields->addRow("Number of shots", shots_);
  fields->addRow("Points to load", points_);
  fields->addRow("Header length", WithUnit(header_, "bytes"));

  auto* detected = new QGroupBox("Detected file type");
  auto* columns = new QHBoxLayout(detected);
  const char* names[] = {"16 bit", "32 bit", "1-column", "2-column"};
  for (int group = 0; group < 2; ++group) {
    auto* box = new QGroupBox(group == 0 ? "Binary" : "ASCII");
    auto* layout = new QVBoxLayout(box);
    for (int i = group * 2; i < group * 2 + 2; ++i) {
      auto* radio = new QRadioButton(names[i]);
      types_->addButton(radio, i);
      layout->addWidget(radio);
    }
    columns->addWidget(box);
  }
  if (QAbstractButton* preset = types_->button(model.fileType)) preset->setChecked(true);
  mass_table_->setChecked(model.massTable);
  do_not_show_->setChecked(model.doNotShow);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(detected);
  layout->addWidget(mass_table_);
  layout->addWidget(do_not_show_);
  layout->addWidget(OkCancel(this));
}

QRadioButton* LoadParametersForm::fileType(int type) const {
  return qobject_cast<QRadioButton*>(types_->button(type));
}

void LoadParametersForm::accept() {
  auto timeBase = RealIn(time_base_, 0.00001, 1000);
  if (!timeBase) return;
  auto shots = IntegerIn(shots_, 1, 1000000);
  if (!shots) return;
  // "all" anywhere in the text loads every point; otherwise a count.
  const QString points = points_->currentText().trimmed();
  if (!points.contains("all")) {
    bool ok = false;
    const int count = points.toInt(&ok);
    if (!ok || count < 1) {
      Complain(points_, "Please enter the number of points to load, or \"all\".");
      return;
    }
  }
  auto header = IntegerIn(header_, 0, 32000);
  if (!header) return;
  if (types_->checkedId() < 0) {
    Complain(types_->button(0), "Please choose the file type.");
    return;
  }
  model_.timeBase = *timeBase;
  model_.shots = *shots;
  model_.points = points.toStdString();
  model_.headerBytes = *header;
  model_.fileType = types_->checkedId();
  model_.massTable = mass_table_->isChecked();
  model_.doNotShow = do_not_show_->isChecked();
  QDialog::accept();
}

TrimSpectrumForm::TrimSpectrumForm(TrimSpectrumDialog& model, QWidget* parent)
    : ModelForm(parent), model_(model), endpoint_(new QLineEdit(FieldText(model.endpoint))) {
  setWindowTitle(QString::fromStdString(model.Title()));
  auto* fields = new QFormLayout;
  fields->addRow(TrimSpectrumDialog::kFieldLabel, endpoint_);
  auto* buttons = new QDialogButtonBox;
  QPushButton* accept = buttons->addButton(TrimSpectrumDialog::kAcceptButton,
                                           QDialogButtonBox::AcceptRole);
  buttons->addButton(TrimSpectrumDialog::kRejectButton, QDialogButtonBox::RejectRole);
  accept->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(buttons);
}

void TrimSpectrumForm::accept() {
  auto endpoint = RealIn(endpoint_, TrimSpectrumDialog::kLowest, TrimSpectrumDialog::kHighest);
  if (!endpoint) return;
  model_.endpoint = *endpoint;
  QDialog::accept();
}

SaveAsciiForm::SaveAsciiForm(SaveAsciiDialog& model, QWidget* parent)
    : ModelForm(parent), model_(model), choices_(new QButtonGroup(this)) {
  setWindowTitle(QString::fromStdString(model.Title()));
  auto* layout = new QVBoxLayout(this);
  const char* texts[][2] = {{SaveAsciiDialog::kScreenText, SaveAsciiDialog::kScreenFormat},
                            {SaveAsciiDialog::kEntireText, SaveAsciiDialog::kEntireFormat}};
  for (int i = 0; i < 2; ++i) {
    auto* radio = new QRadioButton(texts[i][0]);
    choices_->addButton(radio, i);
    layout->addWidget(radio);
    auto* format = new QLabel(texts[i][1]);
    format->setIndent(24);
    layout->addWidget(format);
  }
  if (QAbstractButton* preset = choices_->button(model.choice)) preset->setChecked(true);
  layout->addWidget(OkCancel(this));
}

QRadioButton* SaveAsciiForm::choice(int which) const {
  return qobject_cast<QRadioButton*>(choices_->button(which));
}

void SaveAsciiForm::accept() {
  model_.choice = choices_->checkedId() == SaveAsciiDialog::kEntireFile
                      ? SaveAsciiDialog::kEntireFile
                      : SaveAsciiDialog::kScreen;
  QDialog::accept();
}

std::optional<bool> RunViewerDialog(DialogModel& model, QWidget* parent) {
  if (std::optional<bool> result = RunOptionDialog(model, parent)) return result;
  if (auto* m = dynamic_cast<LoadParametersDialog*>(&model))
    return LoadParametersForm(*m, parent).exec() == QDialog::Accepted;
  if (auto* m = dynamic_cast<TrimSpectrumDialog*>(&model))
    return TrimSpectrumForm(*m, parent).exec() == QDialog::Accepted;
  if (auto* m = dynamic_cast<SaveAsciiDialog*>(&model))
    return SaveAsciiForm(*m, parent).exec() == QDialog::Accepted;
  return std::nullopt;
}

}  // namespace ionvue
