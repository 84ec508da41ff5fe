// Finds the article of the page's document with Readability and hands it over as plain data:
// blocks of a few allowed kinds holding text, never markup. It runs in a script world of
// Corvane's own on a copy of the document, so the page's scripts neither see nor change what it
// reads, and it keeps within the limits it is given. The answer is a JSON text:
//   {"refused": why}, or
//   {"title", "byline", "lang", "dir", "truncated", "links": [address], "blocks": [block]}
// where a block is one of
//   {"type": "heading", "level": 1-6, "content": [span]}   (only at the top level)
//   {"type": "paragraph", "content": [span]}
//   {"type": "list", "ordered": bool, "start": n, "items": [[block]]}
//   {"type": "quote", "blocks": [block]}
//   {"type": "code", "text": text}
//   {"type": "table", "rows": [[cell text]]}
// and a span is {"text", "em"?, "strong"?, "code"?, "image"?, "link"?: index into links}.
(function (Readability, isProbablyReaderable, limits) {
  "use strict";

  var HTML = "http://www.w3.org/1999/xhtml";
  var deadline = Date.now() + limits.timeMs;
  // Neither run nor shown: scripts, forms, frames, embedded objects and what only a page draws.
  var DROPPED = new Set([
    "script", "style", "noscript", "template", "iframe", "frame", "frameset", "object",
    "embed", "applet", "form", "input", "button", "select", "textarea", "option", "optgroup",
    "datalist", "output", "label", "fieldset", "legend", "canvas", "video", "audio", "source",
    "track", "map", "area", "link", "meta", "base", "head", "title", "dialog", "slot", "menu",
    "progress", "meter", "param",
  ]);
  var CONTAINERS = new Set([
    "div", "section", "article", "main", "header", "footer", "aside", "nav", "figure",
    "figcaption", "details", "summary", "address", "center", "dl", "dt", "dd", "hgroup",
    "body", "html", "li", "td", "th", "tr", "tbody", "thead", "tfoot", "caption",
  ]);
  var HEADINGS = new Map([["h1", 1], ["h2", 2], ["h3", 3], ["h4", 4], ["h5", 5], ["h6", 6]]);
  // Blocks among other blocks; in a run of text, each keeps its words apart from the next.
  var BLOCKS = new Set(Array.from(CONTAINERS).concat(Array.from(HEADINGS.keys()), [
    "p", "ul", "ol", "blockquote", "pre", "table", "hr",
  ]));
  var EMPHASIS = new Set(["em", "i", "cite", "dfn", "var"]);
  var STRONG = new Set(["strong", "b"]);
  var CODE = new Set(["code", "kbd", "samp", "tt"]);
  var SCHEMES = new Set(["http:", "https:", "file:"]);

  function refuse(why) {
    return JSON.stringify({ refused: why });
  }

  function timeUp() {
    return Date.now() > deadline;
  }

  // Control characters and halves of surrogate pairs would spoil the answer's JSON text.
  function clean(text, keepBreaks) {
    text = String(text == null ? "" : text).replace(
      /[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g, "\uFFFD");
    return keepBreaks ? text.replace(/[\u0000-\u0008\u000B-\u001F\u007F]/g, "")
                      : text.replace(/[\u0000-\u001F\u007F]/g, " ");
  }

  function oneLine(text) {
    return clean(text, false).replace(/\s+/g, " ").trim();
  }

  // At most `length` characters, never half of a pair.
  function cut(text, length) {
    text = text.slice(0, length);
    return /[\uD800-\uDBFF]$/.test(text) ? text.slice(0, -1) : text;
  }

  // Counts the live document's elements and text up to the limits, without copying it.
  function tooLarge(doc) {
    if (doc.getElementsByTagName("*").length > limits.maxElements) return true;
    var walker = doc.createTreeWalker(doc.documentElement, NodeFilter.SHOW_TEXT);
    var text = 0;
    for (var node = walker.nextNode(), seen = 0; node; node = walker.nextNode(), ++seen) {
      text += node.length;
      if (text > limits.maxDocumentText) return true;
      if ((seen & 4095) === 0 && timeUp()) return true;
    }
    return false;
  }

  function isHtml(node) {
    return node.nodeType === Node.ELEMENT_NODE && node.namespaceURI === HTML;
  }

  function hidden(element) {
    if (!element.hasAttributes()) return false;
    if (element.hasAttribute("hidden") || element.getAttribute("aria-hidden") === "true") {
      return true;
    }
    var style = element.getAttribute("style");
    return style !== null && /display\s*:\s*none/i.test(style);
  }

  // The article's blocks, within the limits of blocks and text.
  function Output(base) {
    this.base = base;
    this.resolved = new Map();
    this.links = [];
    this.blocks = 0;
    this.text = 0;
    this.full = false;
    this.late = false;
    this.steps = 0;
  }

  Output.prototype.take = function (blocks, text) {
    if (this.full) return false;
    if ((++this.steps & 1023) === 0 && timeUp()) this.late = true;
    if (this.late || this.blocks + blocks > limits.maxBlocks ||
        this.text + text > limits.maxText) {
      this.full = true;
      return false;
    }
    this.blocks += blocks;
    this.text += text;
    return true;
  };

  // The address of a link the view may follow: absolute, and of the web or a local file.
  Output.prototype.link = function (anchor) {
    var href = anchor.getAttribute("href");
    if (!href) return -1;
    var address = this.resolved.get(href);
    if (address === undefined) {
      address = this.resolve(href);
      this.resolved.set(href, address);
    }
    if (!address || !this.take(0, address.length)) return -1;
    this.links.push(address);
    return this.links.length - 1;
  };

  // Pages link to the same few places many times over: each is resolved once.
  Output.prototype.resolve = function (href) {
    try {
      var address = new URL(href.trim(), this.base);
      return SCHEMES.has(address.protocol) && address.href.length <= limits.maxAddress
                 ? address.href : "";
    } catch (e) {
      return "";
    }
  };

  // How a run of text looks; every look has all five fields.
  var PLAIN = { em: false, strong: false, code: false, image: false, link: -1 };

  function sameLook(a, b) {
    return a.em === b.em && a.strong === b.strong && a.code === b.code && a.link === b.link &&
           !a.image && !b.image;
  }

  // Inline text as spans, each of one look. Blanks are collapsed as a browser shows them: none
  // at the start or the end, one between words.
  function Spans(out) {
    this.out = out;
    this.spans = [];  // {parts, look}
    this.blank = true;  // what is written so far is nothing or ends in a blank
  }

  Spans.prototype.add = function (text, look) {
    if (this.blank && text.charCodeAt(0) === 32) text = text.slice(1);
    if (!text || !this.out.take(0, text.length)) return;
    var last = this.spans[this.spans.length - 1];
    if (last && sameLook(last.look, look)) {
      last.parts.push(text);
    } else {
      this.spans.push({ parts: [text], look: look });
    }
    var end = text.charCodeAt(text.length - 1);
    this.blank = end === 32 || end === 10;
  };

  Spans.prototype.lastLook = function () {
    var last = this.spans[this.spans.length - 1];
    return last && !last.look.image ? last.look : PLAIN;
  };

  Spans.prototype.collect = function (node, look) {
    if (this.out.full) return;
    if (node.nodeType === Node.TEXT_NODE) {
      var text = node.data.replace(/[ \t\n\r\f]+/g, " ");
      if (/[\u0000-\u001F\u007F\uD800-\uDFFF]/.test(text)) text = clean(text, false);
      this.add(text, look);
      return;
    }
    if (!isHtml(node)) return;
    var name = node.localName;
    if (DROPPED.has(name) || hidden(node)) return;
    if (name === "br") {
      this.breakLine();
      return;
    }
    if (name === "img") {
      var alt = oneLine(node.getAttribute("alt"));
      if (alt) {
        this.add(alt, { em: look.em, strong: look.strong, code: look.code, image: true,
                        link: look.link });
      }
      return;
    }
    var inner = look;
    var em = EMPHASIS.has(name) && !look.em;
    var strong = STRONG.has(name) && !look.strong;
    var code = CODE.has(name) && !look.code;
    var link = name === "a" && look.link < 0 ? this.out.link(node) : -1;
    if (em || strong || code || link >= 0) {
      inner = { em: look.em || em, strong: look.strong || strong, code: look.code || code,
                image: false, link: link >= 0 ? link : look.link };
    }
    var block = BLOCKS.has(name);
    if (block) this.separate();
    for (var child = node.firstChild; child; child = child.nextSibling) {
      this.collect(child, inner);
    }
    if (block) this.separate();
  };

  Spans.prototype.breakLine = function () {
    var last = this.spans[this.spans.length - 1];
    if (!last) return;
    var parts = last.parts;
    parts[parts.length - 1] = parts[parts.length - 1].replace(/ $/, "");
    this.blank = true;
    this.add("\n", this.lastLook());
  };

  // Block content met in a run of text: a blank keeps its words apart.
  Spans.prototype.separate = function () {
    if (!this.blank) this.add(" ", this.lastLook());
  };

  Spans.prototype.finish = function () {
    var spans = [];
    this.spans.forEach(function (run) {
      var span = { text: run.parts.join("") };
      if (run.look.em) span.em = true;
      if (run.look.strong) span.strong = true;
      if (run.look.code) span.code = true;
      if (run.look.image) span.image = true;
      if (run.look.link >= 0) span.link = run.look.link;
      spans.push(span);
    });
    while (spans.length && !(spans[0].text = spans[0].text.replace(/^\s+/, ""))) spans.shift();
    while (spans.length) {
      var last = spans[spans.length - 1];
      last.text = last.text.replace(/\s+$/, "");
      if (last.text) break;
      spans.pop();
    }
    return spans;
  };

  function inlineOf(node, out) {
    var spans = new Spans(out);
    for (var child = node.firstChild; child; child = child.nextSibling) {
      spans.collect(child, PLAIN);
    }
    return spans.finish();
  }

  function textOf(node, out) {
    return inlineOf(node, out).map(function (span) { return span.text; }).join("");
  }

  // Preformatted text as written, line breaks and all, without what is dropped elsewhere.
  function preformatted(node) {
    var parts = [];
    for (var child = node.firstChild; child; child = child.nextSibling) {
      if (child.nodeType === Node.TEXT_NODE) {
        parts.push(child.data);
      } else if (isHtml(child) && !DROPPED.has(child.localName) && !hidden(child)) {
        parts.push(child.localName === "br" ? "\n" : preformatted(child));
      }
    }
    return parts.join("");
  }

  // The blocks of a container, its loose text gathered into paragraphs between them.
  function blocksOf(parent, depth, top, out) {
    var blocks = [];
    var run = new Spans(out);
    function flush() {
      var content = run.finish();
      if (content.length && out.take(1, 0)) blocks.push({ type: "paragraph", content: content });
      run = new Spans(out);
    }
    for (var child = parent.firstChild; child && !out.full; child = child.nextSibling) {
      if (isHtml(child) && (DROPPED.has(child.localName) || hidden(child))) continue;
      if (!isHtml(child) || !BLOCKS.has(child.localName)) {
        run.collect(child, PLAIN);
        continue;
      }
      flush();
      blockOf(child, depth, top, out).forEach(function (block) { blocks.push(block); });
    }
    flush();
    return blocks;
  }

  function blockOf(element, depth, top, out) {
    var name = element.localName;
    if (HEADINGS.has(name)) {
      var spans = inlineOf(element, out);
      if (!spans.length || !out.take(1, 0)) return [];
      if (top) return [{ type: "heading", level: HEADINGS.get(name), content: spans }];
      spans.forEach(function (span) { span.strong = true; });
      return [{ type: "paragraph", content: spans }];
    }
    if (name === "p") {
      var content = inlineOf(element, out);
      return content.length && out.take(1, 0) ? [{ type: "paragraph", content: content }] : [];
    }
    if (name === "pre") {
      var text = clean(preformatted(element), true).replace(/\s+$/, "").replace(/^\n/, "");
      return text.trim() && out.take(1, text.length) ? [{ type: "code", text: text }] : [];
    }
    if (name === "table") return tableOf(element, depth, top, out);
    if (name === "hr") return [];
    // Nested deeper than the limit, a list or a quote gives its blocks to its parent.
    if (depth >= limits.maxDepth) return blocksOf(element, depth, top, out);
    if (name === "ul" || name === "ol") return listOf(element, depth, out);
    if (name === "blockquote") {
      var quoted = blocksOf(element, depth + 1, false, out);
      return quoted.length && out.take(1, 0) ? [{ type: "quote", blocks: quoted }] : [];
    }
    return blocksOf(element, depth, top, out);
  }

  function listOf(list, depth, out) {
    var items = [];
    for (var child = list.firstChild; child && !out.full; child = child.nextSibling) {
      if (!isHtml(child) || DROPPED.has(child.localName) || hidden(child)) continue;
      var item = blocksOf(child, depth + 1, false, out);
      if (item.length && out.take(1, 0)) items.push(item);
    }
    if (!items.length || !out.take(1, 0)) return [];
    var ordered = list.localName === "ol";
    var start = ordered ? Number(list.getAttribute("start") || 1) : 1;
    if (!Number.isInteger(start) || Math.abs(start) > 1000000) start = 1;
    return [{ type: "list", ordered: ordered, start: start, items: items }];
  }

  // A table of data is rows of cell text; a table that only lays out the page is its cells'
  // blocks, one after the other.
  function tableOf(table, depth, top, out) {
    if (table._readabilityDataTable === false) return blocksOf(table, depth, top, out);
    var blocks = [];
    if (table.caption) {
      var caption = inlineOf(table.caption, out);
      if (caption.length && out.take(1, 0)) blocks.push({ type: "paragraph", content: caption });
    }
    var rows = [];
    for (var r = 0; r < table.rows.length && !out.full; ++r) {
      var row = table.rows[r];
      if (hidden(row)) continue;
      var cells = [];
      for (var c = 0; c < row.cells.length && !out.full; ++c) {
        cells.push(textOf(row.cells[c], out));
      }
      if (cells.some(function (cell) { return cell; }) && out.take(1, 0)) rows.push(cells);
    }
    if (rows.length && out.take(1, 0)) blocks.push({ type: "table", rows: rows });
    return blocks;
  }

  var doc = document;
  if (!doc.documentElement || !doc.body) return refuse("empty");
  if (tooLarge(doc)) return refuse("size");
  if (!isProbablyReaderable(doc)) return refuse("no article");
  var article;
  try {
    // Readability changes the document it reads: it gets a copy, which runs no script and
    // loads nothing.
    var reader = new Readability(doc.cloneNode(true), {
      maxElemsToParse: limits.maxElements,
      serializer: function (element) { return element; },
    });
    // What it does to the article once found (absolute addresses, fewer nested containers and
    // classes) the blocks below do themselves or do without.
    reader._postProcessContent = function () {};
    article = reader.parse();
  } catch (e) {
    return refuse("failed");
  }
  if (!article || !article.content) return refuse("no article");
  if (timeUp()) return refuse("time");
  var out = new Output(article.content.baseURI);
  var blocks;
  try {
    blocks = blocksOf(article.content, 0, true, out);
  } catch (e) {
    return refuse("failed");  // nested deeper than the script's stack
  }
  if (out.late) return refuse("time");
  if (!blocks.length) return refuse("no article");
  var dir = article.dir === "rtl" ? "rtl" : "ltr";
  return JSON.stringify({
    title: cut(oneLine(article.title || doc.title), limits.maxTitle),
    byline: cut(oneLine(article.byline), limits.maxTitle),
    lang: /^[A-Za-z0-9-]{1,35}$/.test(article.lang || "") ? article.lang : "",
    dir: dir,
    truncated: out.full,
    links: out.links,
    blocks: blocks,
  });
})
