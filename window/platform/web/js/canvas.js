// The drawing's canvas: the program's raster copied in where it changed, and
// a call back whenever the page's pixel ratio changes.
Quorvel.canvas = {
  // The raster, 0xAARRGGBB a pixel in wasm memory, copied into the canvas for
  // the rectangle that changed; no pixels clears it.
  paint: function (canvas, pixels, width, x, y, w, h) {
    var context = canvas.getContext('2d');
    if (!pixels) {
      context.clearRect(x, y, w, h);
      return;
    }
    var image = context.createImageData(w, h), data = image.data;
    var from = HEAPU32;
    for (var row = 0; row < h; ++row) {
      var source = (pixels >> 2) + (y + row) * width + x, target = row * w * 4;
      for (var column = 0; column < w; ++column, target += 4) {
        var argb = from[source + column], alpha = argb >>> 24;
        // Premultiplied in, straight out; what is drawn is opaque.
        data[target] = alpha ? Math.round(((argb >>> 16) & 255) * 255 / alpha) : 0;
        data[target + 1] = alpha ? Math.round(((argb >>> 8) & 255) * 255 / alpha) : 0;
        data[target + 2] = alpha ? Math.round((argb & 255) * 255 / alpha) : 0;
        data[target + 3] = alpha;
      }
    }
    context.putImageData(image, x, y);
  },

  // Browser zoom, or a move to another screen. A browser tells of it through
  // a media query on the ratio, or through a resize, which may come before
  // the new ratio is in place: so the ratio is looked at again at the next frame.
  watchRatio: function () {
    var last = devicePixelRatio;
    var changed = function () {
      if (devicePixelRatio !== last) {
        last = devicePixelRatio;
        Module._quorvel_ratio_changed();
      }
    };
    var watch = function () {
      matchMedia('(resolution: ' + devicePixelRatio + 'dppx)').addEventListener(
          'change', function () { changed(); watch(); }, {once: true});
    };
    watch();
    window.addEventListener('resize', function () {
      changed();
      requestAnimationFrame(changed);
    });
  },
};
