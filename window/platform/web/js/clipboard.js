// The clipboard: the values as text, and the window as a picture, drawn
// element by element at the page's pixel ratio, the legend where the program
// places it.
Quorvel.clipboard = {
  copyText: function (text) {
    if (navigator.clipboard && navigator.clipboard.writeText)
      return navigator.clipboard.writeText(text).catch(function () {});
  },

  textWidth: function (font, text) {
    var scratch = document.createElement('canvas').getContext('2d');
    scratch.font = font;
    return scratch.measureText(text).width;
  },

  // A box as its style paints it: background, inset shadows (the bevels and
  // outlines), borders, and a triangle its ::after draws with borders (the
  // bars' arrows). r: the border box, in layout pixels.
  drawBox: function (c, r, style, after) {
    var side = function (name) { return parseFloat(style['border' + name + 'Width']) || 0; };
    var top = side('Top'), right = side('Right'), bottom = side('Bottom'), left = side('Left');
    var inner = {x: r.x + left, y: r.y + top, width: r.width - left - right,
                 height: r.height - top - bottom};
    if (style.backgroundColor !== 'rgba(0, 0, 0, 0)') {
      c.fillStyle = style.backgroundColor;
      c.fillRect(r.x, r.y, r.width, r.height);
    }
    // "rgb(160, 160, 160) -1px -1px 0px 0px inset, ...": the first on top.
    (style.boxShadow.match(/(rgba?\([^)]*\)|#\w+)[^,]*?inset|inset[^,]*/g) || []).reverse()
        .forEach(function (shadow) {
          var colour = (shadow.match(/rgba?\([^)]*\)|#\w+/) || ['#000'])[0];
          var n = (shadow.replace(colour, '').match(/-?[\d.]+px/g) || []).map(parseFloat);
          var dx = n[0] || 0, dy = n[1] || 0, spread = n[3] || 0;
          c.save();
          c.beginPath();
          c.rect(inner.x, inner.y, inner.width, inner.height);
          c.clip();
          c.beginPath();
          c.rect(inner.x - 1, inner.y - 1, inner.width + 2, inner.height + 2);
          c.rect(inner.x + dx + spread, inner.y + dy + spread, inner.width - 2 * spread,
                 inner.height - 2 * spread);
          c.fillStyle = colour;
          c.fill('evenodd');
          c.restore();
        });
    var edge = function (colour, width, x, y, w, h) {
      if (width > 0 && colour !== 'rgba(0, 0, 0, 0)') {
        c.fillStyle = colour;
        c.fillRect(x, y, w, h);
      }
    };
    edge(style.borderTopColor, top, r.x, r.y, r.width, top);
    edge(style.borderBottomColor, bottom, r.x, r.y + r.height - bottom, r.width, bottom);
    edge(style.borderLeftColor, left, r.x, r.y, left, r.height);
    edge(style.borderRightColor, right, r.x + r.width - right, r.y, right, r.height);
    if (after && after.content !== 'none') {
      var t = parseFloat(after.borderTopWidth), rt = parseFloat(after.borderRightWidth);
      var b = parseFloat(after.borderBottomWidth), l = parseFloat(after.borderLeftWidth);
      // Centred in the part (left and top 50%, then back by half its size),
      // on whole device pixels, as a browser paints it.
      var x = Quorvel.clipboard.snap(inner.x + inner.width / 2 - (l + rt) / 2);
      var y = Quorvel.clipboard.snap(inner.y + inner.height / 2 - (t + b) / 2);
      var cx = x + l, cy = y + t, w = l + rt, h = t + b;
      [[after.borderTopColor, t, [[x, y], [x + w, y], [cx, cy]]],
       [after.borderRightColor, rt, [[x + w, y], [x + w, y + h], [cx, cy]]],
       [after.borderBottomColor, b, [[x, y + h], [x + w, y + h], [cx, cy]]],
       [after.borderLeftColor, l, [[x, y], [x, y + h], [cx, cy]]]].forEach(function (s) {
        if (!(s[1] > 0) || s[0] === 'rgba(0, 0, 0, 0)')
          return;
        c.beginPath();
        s[2].forEach(function (p, i) { c[i ? 'lineTo' : 'moveTo'](p[0], p[1]); });
        c.fillStyle = s[0];
        c.fill();
      });
    }
  },

  // A layout position on the nearest device pixel of the picture.
  snap: function (at) {
    var ratio = window.devicePixelRatio || 1;
    return Math.round(at * ratio) / ratio;
  },

  // Each element as the page shows it, back to front, in layout pixels
  // whatever the window's fit and wherever it sits, snapped to device pixels
  // as a browser snaps a box's edges (a thumb may sit between two).
  drawWindow: function (c) {
    var root = Quorvel.root, box = root.getBoundingClientRect(), scale = Quorvel.fit.scale;
    var snap = Quorvel.clipboard.snap;
    var place = function (r) {
      var x = snap((r.left - box.left) / scale), y = snap((r.top - box.top) / scale);
      return {x: x, y: y, width: snap((r.right - box.left) / scale) - x,
              height: snap((r.bottom - box.top) / scale) - y};
    };
    c.fillStyle = getComputedStyle(root).backgroundColor;
    c.fillRect(0, 0, root.clientWidth, root.clientHeight);
    var elements = Array.from(root.children).filter(function (e) {
      return e.dataset.id !== undefined && !e.hidden; // the panel's while it is hidden
    }).sort(function (a, b) { return Number(a.style.zIndex) - Number(b.style.zIndex); });
    elements.forEach(function (e) {
      var r = place(e.getBoundingClientRect()), x = r.x, y = r.y;
      var style = getComputedStyle(e);
      if (e.tagName === 'CANVAS') {
        c.drawImage(e, x, y, r.width, r.height);
        return;
      }
      Quorvel.clipboard.drawBox(c, r, style);
      if (e.classList.contains('q-bar'))
        Array.from(e.children).forEach(function (part) {
          Quorvel.clipboard.drawBox(c, place(part.getBoundingClientRect()), getComputedStyle(part),
                                    getComputedStyle(part, '::after'));
        });
      var text = e.tagName === 'INPUT' ? e.value : e.classList.contains('q-bar') ? '' : e.textContent;
      if (text) {
        c.font = style.font;
        c.direction = style.direction; // a caption read right to left keeps its order
        c.fillStyle = style.color;
        // On the baseline, the face's ascent below the top of the text's box.
        c.textBaseline = 'alphabetic';
        c.textAlign = 'left';
        var ascent = c.measureText(text).fontBoundingBoxAscent;
        var descent = c.measureText(text).fontBoundingBoxDescent;
        var baseline = function (top) { return snap(top) + Math.round(ascent); };
        if (e.tagName === 'INPUT') {
          // A box sets its one line in the middle of its content, from its
          // padding's left.
          var from = function (name) {
            return parseFloat(style['border' + name + 'Width']) + parseFloat(style['padding' + name]);
          };
          var room = r.height - from('Top') - from('Bottom');
          c.fillText(text, x + from('Left'), baseline(y + from('Top') + (room - ascent - descent) / 2));
        } else {
          // Each part where the page set it: a button centres its line, a
          // caption pins its parts apart.
          var parts = e.tagName === 'BUTTON' ? [e] : Array.from(e.childNodes);
          parts.forEach(function (part) {
            var range = document.createRange();
            range.selectNodeContents(part);
            var line = range.getBoundingClientRect();
            c.fillText(part.textContent, (line.left - box.left) / scale,
                       baseline((line.top - box.top) / scale));
          });
        }
        c.textAlign = 'left';
        c.direction = 'ltr';
      }
    });
  },

  // at: left, top of each line; width and height: the whole picture's.
  picture: function (legend, at, width, height, font) {
    var ratio = window.devicePixelRatio || 1;
    var canvas = document.createElement('canvas');
    canvas.width = Math.ceil(width * ratio);
    canvas.height = Math.ceil(height * ratio);
    var c = canvas.getContext('2d');
    c.scale(ratio, ratio);
    c.fillStyle = getComputedStyle(Quorvel.root).backgroundColor;
    c.fillRect(0, 0, width, height);
    Quorvel.clipboard.drawWindow(c);
    c.font = font;
    c.fillStyle = QuorvelConstants.legendInk;
    c.textBaseline = 'top';
    legend.forEach(function (line, i) { c.fillText(line, at[2 * i], at[2 * i + 1]); });
    return canvas;
  },

  pngBytes: function (legend, at, width, height, font) {
    var url = Quorvel.clipboard.picture(legend, at, width, height, font).toDataURL('image/png');
    var data = atob(url.slice(url.indexOf(',') + 1));
    var bytes = new Uint8Array(data.length);
    for (var i = 0; i < data.length; ++i)
      bytes[i] = data.charCodeAt(i);
    return bytes;
  },

  copyPicture: function (legend, at, width, height, font) {
    var canvas = Quorvel.clipboard.picture(legend, at, width, height, font);
    Quorvel.clipboard.lastPicture = canvas; // for tests, which cannot read the clipboard
    if (!navigator.clipboard || !window.ClipboardItem)
      return;
    canvas.toBlob(function (blob) {
      navigator.clipboard.write([new ClipboardItem({'image/png': blob})]).catch(function () {});
    }, 'image/png');
  },
};
