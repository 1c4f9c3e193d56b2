#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/PropertyBagText.h"
#include "automation/values/Variant.h"

namespace tav {

// A form file: the objects, parts (with their saved property bags), controls, host commands,
// sources and bindings of a form, and the edits a user makes on it, one line each:
//
//   object sample Host.AutoObject           an object, made by program id; indented under it:
//       class Sample                          its class name
//       enum Shade sh_Light=0 sh_Dark=5       an enumeration
//       property Length R8 R8:2.5             a property: name, type, initial value
//       predefined Unit Str:"mm" Str:"Millimetres" Str:"mm"   display string, text/value pairs
//       job-property Owner Str:"ann"          a key of a job's Properties
//   state machine [Str:"Machine.xml"]      a universal state object, from a meta file or made
//       type Machine                          here: its type name
//       property Label Str Str:"abc"          a property, as under an object
//       float Length R8 3 R8:2.5              a floating-point property with its precision
//       enumerated Mode Slow=0 Fast=1 I4:1    an enumerated property, its items and value
//       array Weights R8 [R8:1.5, R8:2.5]     an array-valued property
//   part scale SCTAVParts.GluPart_ScaleProp a part; indented under it, its bag:
//       ScaleByCoef = R8:1000
//   control lengthText TextBox              TextBox, CheckBox, OptionButton, Button, ComboBox, Label;
//   control mm OptionButton Str:"mm" Str:"Unit"   optionally the label and group a window shows
//   ui Str:"length.ui"                      a Designer form: its widgets are the controls, named
//   control lengthEdit                        by objectName, of the kind of their class
//   command Apply ok                        a host command: ok, or fail:NUMBER:TEXT
//   source src sample                       the source part's source object
//   bind length src Length lengthText scale   NAME PART PROPERTY(|PROPERTY...) CONTROL GLUE...
//   edit lengthText Str:"3000"              the user puts a value into a control
//   change sample.Length R8:4               the program changes a property of an object, a state
//                                           or a part
//
// Blank lines and lines starting with "#" are skipped; values are typed literals.
struct FormFile {
    struct Line {
        int number = 0;
        std::string keyword;
        std::vector<std::string> words;
        std::vector<Variant> values;
        std::string text;             // a command's behaviour
        std::vector<Line> members;    // the lines under an object
        bagtext::Entries bag;         // the bag under a part
    };

    std::string path;
    std::vector<Line> setup;  // in file order: everything but the edits
    std::vector<Line> edits;  // edit and change lines, in file order

    // Reads a form; a line that cannot be read throws FormSyntaxError ("PATH:N: why").
    static FormFile parse(std::string_view text, std::string path);
    // Reads the form file at `path`; a file that cannot be had (a folder, one beyond 64 MiB,
    // one that never ends) throws FormSyntaxError ("PATH: why") too.
    static FormFile read(const std::string& path);
    // An edit given on the command line: CONTROL=VALUE or OBJECT.PROPERTY=VALUE.
    static Line parseEdit(std::string_view arg);
};

class FormSyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tav
