// Form files: JSON text a person can edit, holding the form's size and, per control, its
// class, name, position, size (pixels) and the property bag its WriteProperties writes.
// Keys keep the order they were written in, so loading and saving gives the same file.
#pragma once

#include "form.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace ulmaro {

// A form file that cannot be loaded; the message names the file, the line and the control.
struct FormFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Loads a form, building it completely before returning it: on any error nothing is kept.
// `onEvent` receives the events controls raise while they load.
std::unique_ptr<Form> loadForm(const std::string& path, bool userMode = true, Form::EventHandler onEvent = nullptr);
// Loads from text; `path` names the file in messages and anchors relative picture paths.
std::unique_ptr<Form> loadFormFromText(const std::string& text, const std::string& path, bool userMode = true,
                                       Form::EventHandler onEvent = nullptr);

// Reads a form file as loading would, without running it, and returns every problem found
// (one message per control, property or form key that cannot be read; a file that does not
// parse gives one). Empty when the file loads cleanly.
std::vector<std::string> checkFormFile(const std::string& path);

std::string formToText(Form& form, const std::string& path);
void saveForm(Form& form, const std::string& path);

}  // namespace ulmaro
