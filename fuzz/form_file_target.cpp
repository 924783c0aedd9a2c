// Form files: any text either loads or is refused with FormFileError; a form that loads
// saves to text that loads back to the same text.
#include "fuzz_support.h"

#include "framework/dispatch.h"
#include "framework/form_file.h"

namespace ulmaro::fuzz {

int FormFile(const std::uint8_t* data, std::size_t size) {
    registerLibraryClasses();
    HandleBaseline baseline;
    {
        const std::string text(reinterpret_cast<const char*>(data), size);
        std::unique_ptr<Form> form;
        try {
            form = loadFormFromText(text, "fuzz.json");
        } catch (const FormFileError&) {
        }
        if (form) {
            form->compose();
            const std::string saved = formToText(*form, "fuzz.json");
            std::unique_ptr<Form> again;
            try {
                again = loadFormFromText(saved, "fuzz.json");
            } catch (const FormFileError& e) {
                Fault(std::string("a saved form does not reload: ") + e.what() + "\n" + saved);
            }
            if (formToText(*again, "fuzz.json") != saved) Fault("a saved form reloads differently:\n" + saved);
        }
    }
    baseline.check();
    return 0;
}

}  // namespace ulmaro::fuzz
