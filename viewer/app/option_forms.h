#pragma once
// The forms of the smaller dialogs: display and graph options, traces, the
// crosses colour, compression, print setup and the copyright box. Most are
// a column of checked fields, built by FieldForm.

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "viewer/app/dialog_forms.h"

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QListWidget;

namespace ionvue {

class FieldForm : public ModelForm {
 public:
  FieldForm(const QString& title, QWidget* parent);
  // Each field is read into its target only when every field passes.
  QLineEdit* AddReal(const QString& label, double& target, double low, double high);
  QLineEdit* AddInteger(const QString& label, int& target, int low, int high);
  QLineEdit* AddText(const QString& label, std::string& target);
  QCheckBox* AddCheck(const QString& label, bool& target);
  // Text shown after a field, on its row ("cm", ":1  Binning factor").
  void SetSuffix(QLineEdit* field, const QString& suffix);
  // The buttons; call once, after the fields.
  void AddButtons(const QString& accept = "OK", const QString& reject = "Cancel");
  void accept() override;

 private:
  // Checks (commit false) or stores (commit true) one field.
  std::vector<std::function<bool(bool commit)>> fields_;
  QFormLayout* layout_;
};

class TraceChoiceDialog;

class TraceChoiceForm : public ModelForm {
 public:
  TraceChoiceForm(TraceChoiceDialog& model, QWidget* parent = nullptr);
  void accept() override;
  QListWidget* list() const { return list_; }

 private:
  TraceChoiceDialog& model_;
  QListWidget* list_;
};

// The forms of the models above, or nullopt for a model it does not know.
std::optional<bool> RunOptionDialog(DialogModel& model, QWidget* parent);

}  // namespace ionvue
