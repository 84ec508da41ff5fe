#include "ReaderBenchPage.h"

namespace bench {

namespace {
constexpr int kPageBytes = 2 * 1024 * 1024;
}  // namespace

std::string documentationPage() {
  std::string nav = "<nav class=\"sidebar toc\"><ul>";
  std::string main;
  const std::string prose =
      "The <code>open</code> call takes the file's path and its flags, and gives back a "
      "descriptor that the other calls use; see <a href=\"#flags\">the flags</a> and "
      "<a href=\"https://docs.example.org/errors.html\">the list of errors</a> for what can go "
      "wrong. A descriptor stays open until it is closed, and a program that forgets to close "
      "them runs out of them sooner or later, at the worst moment. ";
  for (int chapter = 1; static_cast<int>(main.size()) < kPageBytes; ++chapter) {
    const std::string id = "chapter-" + std::to_string(chapter);
    nav += "<li><a href=\"#" + id + "\">Chapter " + std::to_string(chapter) + "</a></li>";
    main +=
        "<section id=\"" + id + "\"><h2>Chapter " + std::to_string(chapter) + ": descriptors</h2>";
    for (int part = 1; part <= 3; ++part) {
      main += "<h3>Part " + std::to_string(part) + "</h3><p>" + prose + prose + "</p><p>" + prose +
              "</p>";
    }
    main +=
        "<pre><code>int fd = open(path, O_RDONLY);\nif (fd &lt; 0) {\n  perror(path);\n  return "
        "1;\n}\nclose(fd);</code></pre>";
    main +=
        "<table><thead><tr><th>Flag</th><th>Meaning</th></tr></thead><tbody>"
        "<tr><td><code>O_RDONLY</code></td><td>read only</td></tr>"
        "<tr><td><code>O_WRONLY</code></td><td>write only</td></tr>"
        "<tr><td><code>O_CREAT</code></td><td>create the file if it is missing</td></tr>"
        "</tbody></table>";
    main +=
        "<ul><li>A descriptor is a small number.</li><li>Each process has its own table of "
        "them.<ul><li>Children inherit it.</li></ul></li></ul></section>";
  }
  nav += "</ul></nav>";
  return "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\"><title>Files and "
         "descriptors - The System Manual</title></head><body><header class=\"site-header\">"
         "<a href=\"/\">Manual home</a></header>" +
         nav + "<main><article><h1>Files and descriptors</h1>" + main +
         "</article></main><footer>Copyright</footer></body></html>";
}

}  // namespace bench
