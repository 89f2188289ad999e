#pragma once

// Fixed values that identify report sets written by vevezo and the viewer object embedded in the
// HTML pages it saves. Files written here must carry the same `url` value that the reader checks.
namespace vevezo::reportset {

// The `url` attribute of the `BVReports` root: vevezo's web address. Compared without regard to
// letter case when a report set is read.
inline constexpr const char* kIdentificationUrl = "http://www.vevezo.org/";

// The `CopyRight` attribute of the `BVReports` root.
inline constexpr const char* kCopyRight = "vevezo";

// The class identifier of the report viewer object in saved HTML pages ("clsid:" + GUID).
inline constexpr const char* kViewerClassId = "clsid:0C1C4692-F7D2-4235-987C-20A241011BAD";

// Where the viewer's installation package is downloaded from, and the version an HTML page asks
// for; the page's `codeBase` is the two joined.
inline constexpr const char* kViewerDownloadUrl =
    "http://www.vevezo.org/download/vevezo-viewer.cab";
inline constexpr const char* kViewerVersionSuffix = "#version=2.2.1.0";

// The ID of the viewer object in the page, and the name of the parameter carrying the report set.
inline constexpr const char* kViewerObjectId = "BVReportView1";
inline constexpr const char* kContentParamName = "Content";

} // namespace vevezo::reportset
