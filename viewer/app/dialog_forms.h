#pragma once
// Qt forms bound to the dialog models of the document. A form copies the
// model into its controls, and on Accept checks every field, complains
// about the first bad one and keeps the dialog open, or writes the fields
// back to the model and closes.

#include <QDialog>
#include <functional>
#include <optional>

#include "platform/host.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace ionvue {

class LoadParametersDialog;
class SaveAsciiDialog;
class TrimSpectrumDialog;

// How a form tells the user what is wrong; a message box unless replaced.
using Complaint = std::function<void(QWidget* form, const QString& text)>;

class ModelForm : public QDialog {
 public:
  explicit ModelForm(QWidget* parent);
  void SetComplaint(Complaint complaint) { complaint_ = std::move(complaint); }

 protected:
  void Complain(QWidget* field, const QString& text);
  // Field readers: nullopt after complaining about the field.
  std::optional<double> RealIn(QLineEdit* field, double low, double high);
  std::optional<int> IntegerIn(QLineEdit* field, int low, int high);

 private:
  Complaint complaint_;
};

class LoadParametersForm : public ModelForm {
 public:
  LoadParametersForm(LoadParametersDialog& model, QWidget* parent = nullptr);
  void accept() override;

  QLineEdit* timeBase() const { return time_base_; }
  QLineEdit* shots() const { return shots_; }
  QComboBox* points() const { return points_; }
  QLineEdit* headerLength() const { return header_; }
  QRadioButton* fileType(int type) const;
  QCheckBox* massTable() const { return mass_table_; }
  QCheckBox* doNotShow() const { return do_not_show_; }

 private:
  LoadParametersDialog& model_;
  QLineEdit* time_base_;
  QLineEdit* shots_;
  QComboBox* points_;
  QLineEdit* header_;
  QButtonGroup* types_;
  QCheckBox* mass_table_;
  QCheckBox* do_not_show_;
};

class TrimSpectrumForm : public ModelForm {
 public:
  TrimSpectrumForm(TrimSpectrumDialog& model, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* endpoint() const { return endpoint_; }

 private:
  TrimSpectrumDialog& model_;
  QLineEdit* endpoint_;
};

class SaveAsciiForm : public ModelForm {
 public:
  SaveAsciiForm(SaveAsciiDialog& model, QWidget* parent = nullptr);
  void accept() override;
  QRadioButton* choice(int which) const;

 private:
  SaveAsciiDialog& model_;
  QButtonGroup* choices_;
};

// The dialog binder of the viewer's host: runs the form of a model it
// knows, or returns nullopt.
std::optional<bool> RunViewerDialog(DialogModel& model, QWidget* parent);

// Numbers in the forms' fields, as the platform's dialogs wrote them.
QString FieldText(double value);
// A range limit as the complaints write it.
QString RangeText(double value);

}  // namespace ionvue
