#pragma once
// The name of a parser error code ("PPDErr_NotPPDFile"), for diagnostics; "PPDErr_Unknown" for
// codes the parser does not record.
const char* PPDXErrorName(short code);
