#pragma once
#include <string_view>

#include "host/state/StateDefinition.h"

// Reading state meta files: XML documents that define one state type, validated against the
// document type definition State.dtd, which is read from the system folder: the current
// directory during the read, which the library's start-up arranges for the parts' loads, or
// else the system folder this thread's start-up found.
//
//   <?xml version="1.0"?>
//   <!DOCTYPE State SYSTEM "State.dtd">
//   <State type="Sample">
//     <Property name="Length" type="R8" precision="3" value="2.5"/>
//     <Property name="Mode" type="Enum" value="1"><Item name="Slow" value="0"/>...</Property>
//     <Property name="Weights" type="R8" array="yes"><Element value="1.5"/>...</Property>
//   </State>
namespace tav::StateMetaFile {

// The definition a meta file gives. A file that cannot be read, is not well formed, breaks the
// document type definition, names an unknown type, gives a name twice, has a value that does
// not read as its type or an enumerated value that is no item's, declares entities, refers to
// any external entity but State.dtd, or goes beyond the reader's limits fails with error 5,
// source "State" and the description "FILE:LINE: why".
StateDefinition read(std::string_view path);

}  // namespace tav::StateMetaFile
