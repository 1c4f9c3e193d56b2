#pragma once

// Hot paths force their small helpers inline. A coverage build counts each source branch once,
// so there the helpers stay ordinary functions: forced inlining would count a helper's branches
// once per call site, and a call site that passes constants can never take some of them.
#if defined(TAV_COVERAGE_BUILD)
#define TAV_FORCE_INLINE
#else
#define TAV_FORCE_INLINE [[gnu::always_inline]]
#endif
