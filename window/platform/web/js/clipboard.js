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

  lineHeight: function (font) {
    var scratch = document.createElement('canvas').getContext('2d');
    scratch.font = font;
    var m = scratch.measureText('Hg');
    return Math.ceil(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent);
  },

  // Each element as the page shows it, back to front, in layout pixels
  // whatever the window's fit.
  drawWindow: function (c) {
    var root = Quorvel.root, box = root.getBoundingClientRect(), scale = Quorvel.fit.scale;
    var place = function (r) {
      return {x: (r.left - box.left) / scale, y: (r.top - box.top) / scale,
              width: r.width / scale, height: r.height / scale};
    };
    c.fillStyle = getComputedStyle(root).backgroundColor;
    c.fillRect(0, 0, root.clientWidth, root.clientHeight);
    var elements = Array.from(root.children).filter(function (e) {
      return e.dataset.id !== undefined;
    }).sort(function (a, b) { return Number(a.style.zIndex) - Number(b.style.zIndex); });
    elements.forEach(function (e) {
      var r = place(e.getBoundingClientRect()), x = r.x, y = r.y;
      var style = getComputedStyle(e);
      if (e.tagName === 'CANVAS') {
        c.drawImage(e, x, y, r.width, r.height);
        return;
      }
      if (style.backgroundColor !== 'rgba(0, 0, 0, 0)') {
        c.fillStyle = style.backgroundColor;
        c.fillRect(x, y, r.width, r.height);
      }
      if (e.classList.contains('q-frame') || e.tagName === 'INPUT' || e.tagName === 'BUTTON') {
        c.strokeStyle = style.borderTopColor;
        c.strokeRect(x + 0.5, y + 0.5, r.width - 1, r.height - 1);
      }
      if (e.classList.contains('q-bar'))
        Array.from(e.children).forEach(function (part) {
          var p = place(part.getBoundingClientRect()), look = getComputedStyle(part);
          c.fillStyle = look.backgroundColor;
          c.fillRect(p.x, p.y, p.width, p.height);
          c.strokeStyle = look.borderTopColor;
          c.strokeRect(p.x + 0.5, p.y + 0.5, p.width - 1, p.height - 1);
        });
      var text = e.tagName === 'INPUT' ? e.value : e.classList.contains('q-bar') ? '' : e.textContent;
      if (text) {
        c.font = style.font;
        c.fillStyle = '#000';
        c.textBaseline = 'top';
        c.textAlign = e.tagName === 'BUTTON' ? 'center' : 'left';
        var tx = e.tagName === 'BUTTON' ? x + r.width / 2 : x + (e.tagName === 'INPUT' ? 4 : 0);
        var ty = e.tagName === 'BUTTON' ? y + (r.height - parseFloat(style.fontSize)) / 2
               : y + (e.tagName === 'INPUT' ? 3 : 0);
        if (e.classList.contains('q-label'))
          // Each part where the page set it: a caption pins its parts apart.
          e.childNodes.forEach(function (part) {
            var range = document.createRange();
            range.selectNodeContents(part);
            c.fillText(part.textContent, place(range.getBoundingClientRect()).x, ty);
          });
        else
          c.fillText(text, tx, ty);
        c.textAlign = 'left';
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
    c.fillStyle = '#000';
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
