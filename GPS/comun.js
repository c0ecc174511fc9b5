// Shared by the map pages: error silencing, tiles, safe text and the passing message.
window.onerror = function () { return true; };

var Varden = (function () {
  'use strict';

  // OpenStreetMap tiles, added after the page has loaded so that a missing network never holds
  // the page's load; without network the base map (capabase.js) shows beneath what is drawn.
  function mapaBase(id, centro, zoom) {
    L.Icon.Default.imagePath = 'leaflet/images/';
    var mapa = L.map(id, { zoomControl: true, attributionControl: true }).setView(centro, zoom);
    var teselas = L.tileLayer('https://{s}.tile.openstreetmap.org/{z}/{x}/{y}.png', {
      maxZoom: 19, attribution: '&copy; colaboradores de OpenStreetMap'
    });
    if (window.VardenCapaBase) VardenCapaBase.poner(mapa, teselas);  // the offline base map beneath
    if (document.readyState === 'complete') teselas.addTo(mapa);
    else window.addEventListener('load', function () { teselas.addTo(mapa); });
    return mapa;
  }

  // A number from a coordinate text: "." decimals; a trailing "|" (the statement format) is ignored.
  function numero(texto) {
    var t = String(texto == null ? '' : texto).replace(/\|$/, '').trim();
    if (!/^[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?$/.test(t)) return NaN;
    return parseFloat(t);
  }

  // Plain text without the statement format's separators ("|" and "<br>" at the end).
  function limpio(texto) {
    return String(texto == null ? '' : texto).replace(/(\||<br\s*\/?>)$/i, '');
  }

  // Builds the nodes of a label that may hold <b> and <br> tags: markup is parsed in an inert
  // document (nothing loads or runs there) and only text, <b> and <br> are copied out.
  function etiqueta(marcado) {
    var destino = document.createElement('span');
    var doc = new DOMParser().parseFromString('<body>' + String(marcado) + '</body>', 'text/html');
    (function copiar(origen, a) {
      origen.childNodes.forEach(function (n) {
        if (n.nodeType === 3) {
          a.appendChild(document.createTextNode(n.nodeValue));
        } else if (n.nodeType === 1) {
          var nombre = n.nodeName.toLowerCase();
          if (nombre === 'br') a.appendChild(document.createElement('br'));
          else if (nombre === 'b' || nombre === 'strong') copiar(n, a.appendChild(document.createElement('b')));
          else copiar(n, a);
        }
      });
    })(doc.body, destino);
    return destino;
  }

  // A colour given by a statement, or the fallback when it is not a plain #RGB / #RRGGBB colour.
  function color(texto, otro) {
    return /^#([0-9a-fA-F]{3}|[0-9a-fA-F]{6})$/.test(String(texto)) ? String(texto) : otro;
  }

  var temporizador = null;
  // A message that shows for a few seconds over the map without blocking it.
  function mensaje(texto, segundos) {
    var m = document.getElementById('mensaje');
    if (!m) return;
    m.textContent = String(texto == null ? '' : texto);
    m.style.display = 'block';
    if (temporizador) clearTimeout(temporizador);
    temporizador = setTimeout(function () { m.style.display = 'none'; temporizador = null; }, (segundos || 3) * 1000);
  }

  // What is drawn on a map, by kind (read back by the program's tests and diagnostics).
  function contar(mapa) {
    var r = { marcadores: 0, lineas: 0, poligonos: 0, etiquetas: 0 };
    mapa.eachLayer(function (c) {
      if (c.options && c.options.pane === 'base') return;  // the base map is not what was drawn
      if (c.options && c.options.esEtiqueta) r.etiquetas++;
      else if (c instanceof L.Marker || c instanceof L.CircleMarker) r.marcadores++;
      else if (c instanceof L.Polygon) r.poligonos++;
      else if (c instanceof L.Polyline) r.lineas++;
      else if (c instanceof L.Tooltip) r.etiquetas++;
    });
    return r;
  }

  // Where a polygon's label goes: its centroid in degrees (small zones are nearly flat), computed
  // from the vertices so that it does not depend on the zoom the polygon was drawn at.
  function centro(puntos) {
    var a = 0, x = 0, y = 0;
    for (var i = 0; i < puntos.length; i++) {
      var p = puntos[i], q = puntos[(i + 1) % puntos.length];
      var f = p[1] * q[0] - q[1] * p[0];
      a += f; x += (p[1] + q[1]) * f; y += (p[0] + q[0]) * f;
    }
    if (Math.abs(a) < 1e-12) {
      var la = 0, lo = 0;
      puntos.forEach(function (p) { la += p[0]; lo += p[1]; });
      return L.latLng(la / puntos.length, lo / puntos.length);
    }
    return L.latLng(y / (3 * a), x / (3 * a));
  }

  // Permanent labels of a group's polygons that would cover one already shown are hidden until the
  // pointer is over their zone, and placed again at every zoom and move.
  function sinSolape(mapa, grupo) {
    function colocar() {
      var puestas = [];
      grupo.eachLayer(function (capa) {
        var t = capa.getTooltip && capa.getTooltip();
        var el = t && t.getElement();
        if (!el) return;
        if (!capa._varPaso) {
          capa._varPaso = true;
          capa.on('mouseover', function () { if (t.getElement()) t.getElement().style.visibility = ''; });
          capa.on('mouseout', function () { if (capa._varOculta && t.getElement()) t.getElement().style.visibility = 'hidden'; });
        }
        el.style.visibility = '';
        var r = el.getBoundingClientRect();
        capa._varOculta = puestas.some(function (o) {
          return r.left < o.right && o.left < r.right && r.top < o.bottom && o.top < r.bottom;
        });
        if (capa._varOculta) el.style.visibility = 'hidden';
        else puestas.push(r);
      });
    }
    if (!grupo._varSinSolape) {
      grupo._varSinSolape = true;
      // After Leaflet has placed the labels for the new view.
      mapa.on('zoomend moveend resize', function () { setTimeout(colocar, 0); });
    }
    colocar();
  }

  return { sinSolape: sinSolape, centro: centro, contar: contar, mapaBase: mapaBase, numero: numero, limpio: limpio, etiqueta: etiqueta, color: color, mensaje: mensaje };
})();
