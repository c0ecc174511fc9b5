// The offline base map, drawn by Leaflet under the tiles: countries (Natural Earth), Spain's
// provinces and municipalities (IGN) and the main cities, from local script files. The map's
// background is the sea, so a tile that fails simply shows this layer beneath. A page includes this
// file after comun.js; Varden.mapaBase hands each map and its tile layer to poner().
var VardenCapaBase = (function () {
  'use strict';

  var DATOS = ['base/topojson-client.min.js', 'base/paises.js', 'base/provincias.js', 'ciudades.js'];
  var MUNICIPIOS = 'base/municipios.js';  // large: loaded the first time a map zooms in to them
  var MAR = '#aad3df', TIERRA = '#f2efe9', ZOOM_MUNICIPIOS = 9;
  var AVISO = 'Sin conexión: mapa base sin calles';
  var ATRIBUCION = 'Base: Natural Earth | © Instituto Geográfico Nacional de España (CC BY 4.0)';

  var mapas = [];        // every map handed over, with what was drawn on it
  var rasgos = null;     // the decoded features, once the data scripts have run
  var municipios = null; // {cuantos, bordes} once their script has run
  var pidiendoMunicipios = false;
  var cargados = 0;

  // Script tags work from local pages, fetch() does not.
  function cargar(archivo, alTerminar) {
    var s = document.createElement('script');
    s.src = archivo;
    s.async = false;
    s.onload = s.onerror = alTerminar;
    document.head.appendChild(s);
  }
  // The data load after the page has: the page and its statements never wait for the base map.
  function empezar() {
    DATOS.forEach(function (archivo) {
      cargar(archivo, function () { if (++cargados === DATOS.length) alCargar(); });
    });
  }
  if (document.readyState === 'complete') empezar();
  else window.addEventListener('load', empezar);

  var estilo = document.createElement('style');
  estilo.textContent =
    '.ciudad span { position: absolute; transform: translate(-50%, -50%); white-space: nowrap; font-size: 11px;' +
    ' color: #333; text-shadow: 0 0 2px #fff, 0 0 2px #fff, 0 0 3px #fff; }' +
    '.ciudad span::before { content: ""; display: block; width: 5px; height: 5px; margin: 0 auto 1px;' +
    ' background: #555; border-radius: 50%; }' +
    '.ciudad.rango-1 span { font-size: 13px; font-weight: bold; }' +
    '.base-lejos .ciudad.rango-2, .base-lejos .ciudad.rango-3, .base-media .ciudad.rango-3,' +
    ' .base-lejos .ciudad.rango-4, .base-media .ciudad.rango-4, .base-regional .ciudad.rango-4 { display: none; }' +
    '.sin-conexion { display: none; background: rgba(255, 243, 205, 0.95); border: 1px solid #c9a227;' +
    ' border-radius: 4px; padding: 3px 8px; font-size: 12px; color: #5c4400; }';
  document.head.appendChild(estilo);

  // Countries around Spain only (Europe, the Maghreb, the Atlantic islands): the rest of the world
  // would cost the page far more than it ever shows.
  var REGION = { oeste: -32, este: 45, sur: 15, norte: 72 };
  function cerca(rasgo) {
    var o = 180, e = -180, s = 90, n = -90;
    (function recorrer(c) {
      if (typeof c[0] === 'number') { o = Math.min(o, c[0]); e = Math.max(e, c[0]); s = Math.min(s, c[1]); n = Math.max(n, c[1]); }
      else c.forEach(recorrer);
    })(rasgo.geometry ? rasgo.geometry.coordinates : []);
    return e >= REGION.oeste && o <= REGION.este && n >= REGION.sur && s <= REGION.norte;
  }

  function decodificar() {
    var d = window.VardenDatosBase || {}, t = window.topojson;
    function de(topo, objeto) {
      return t && topo && topo.objects && topo.objects[objeto] ? t.feature(topo, topo.objects[objeto]).features : [];
    }
    // The inner borders of an object of the topology (by name) or of a collection of its geometries.
    function bordes(topo, objeto) {
      var o = typeof objeto === 'string' ? topo && topo.objects && topo.objects[objeto] : objeto;
      return t && o ? t.mesh(topo, o, function (a, b) { return a !== b; }) : null;
    }
    return {
      paises: de(d.paises, 'countries').filter(cerca),
      provincias: de(d.provincias, 'provinces').length,
      bordesProvincias: bordes(d.provincias, 'provinces'),
      ciudades: d.ciudades || [],
      bordes: bordes
    };
  }

  function pedirMunicipios() {
    if (pidiendoMunicipios) return;
    pidiendoMunicipios = true;
    cargar(MUNICIPIOS, function () {
      var topo = (window.VardenDatosBase || {}).municipios;
      var g = topo && topo.objects && topo.objects.municipalities;
      municipios = { cuantos: g ? g.geometries.length : 0, bordes: [] };
      // One mesh per province: the engine skips whole provinces outside the view at every redraw.
      var porProvincia = {};
      (g ? g.geometries : []).forEach(function (m) {
        var p = String(m.id).slice(0, 2);
        (porProvincia[p] = porProvincia[p] || []).push(m);
      });
      Object.keys(porProvincia).forEach(function (p) {
        municipios.bordes.push(rasgos.bordes(topo, { type: 'GeometryCollection', geometries: porProvincia[p] }));
      });
      mapas.forEach(segunZoom);
    });
  }

  function alCargar() {
    rasgos = decodificar();
    mapas.forEach(dibujar);
  }

  // A piece of the base (a country, a province's municipal borders) with its bounds: only the pieces
  // near the view are on the map, so a zoom re-projects what shows, not the whole of Spain.
  function pieza(geo, estilo, lienzo) {
    var capa = L.geoJSON(geo, { pane: 'base', renderer: lienzo, interactive: false, style: estilo });
    return { capa: capa, limites: capa.getBounds() };
  }

  function dibujar(m) {
    var mapa = m.mapa, lienzo = L.canvas({ pane: 'base', padding: 0.5 });
    m.lienzo = lienzo;
    m.paises = rasgos.paises.map(function (f) {
      var p = pieza(f, { color: '#9e9cab', weight: 1, fillColor: TIERRA, fillOpacity: 1 }, lienzo);
      p.nombre = f.properties.name;
      return p;
    });
    m.municipios = [];
    if (rasgos.bordesProvincias)
      m.provincias = L.geoJSON(rasgos.bordesProvincias, { pane: 'base', renderer: lienzo, interactive: false,
        style: { color: '#a48fb8', weight: 1.2, dashArray: '4 3' } }).addTo(mapa);
    m.ciudades = L.layerGroup(rasgos.ciudades.map(function (c) {
      var nombre = document.createElement('span');
      nombre.textContent = c[0];
      return L.marker([c[1], c[2]], { pane: 'base', interactive: false, keyboard: false,
        icon: L.divIcon({ className: 'ciudad rango-' + c[3], html: nombre, iconSize: null }) });
    })).addTo(mapa);
    segunZoom(m);
  }

  function mostrarCerca(mapa, piezas, mostrar) {
    var vista = mapa.getBounds().pad(0.5), anadidas = 0;
    piezas.forEach(function (p) {
      var ver = mostrar && p.limites.isValid() && vista.intersects(p.limites);
      if (ver && !mapa.hasLayer(p.capa)) { p.capa.addTo(mapa); anadidas++; }
      else if (!ver && mapa.hasLayer(p.capa)) p.capa.remove();
    });
    return anadidas;
  }

  // The pieces near the view; municipal borders only close up; smaller cities' names as the map zooms in.
  function segunZoom(m) {
    var z = m.mapa.getZoom(), c = m.mapa.getContainer();
    c.classList.toggle('base-lejos', z < 6);
    c.classList.toggle('base-media', z === 6);
    c.classList.toggle('base-regional', z > 6 && z < 10);
    if (!m.paises) return;
    mostrarCerca(m.mapa, m.paises, true);
    if (z >= ZOOM_MUNICIPIOS && !municipios) pedirMunicipios();
    if (municipios && m.municipios.length === 0)
      m.municipios = municipios.bordes.map(function (b) { return pieza(b, { color: '#cfc6d9', weight: 0.6 }, m.lienzo); });
    if (mostrarCerca(m.mapa, m.municipios, z >= ZOOM_MUNICIPIOS) && m.provincias)
      m.provincias.bringToFront();  // province borders over the municipal ones
  }

  // A small notice while tiles of the view fail: the streets are missing, the base layer is not.
  function vigilarTeselas(m, teselas) {
    var aviso = L.control({ position: 'topright' });  // the pages keep their own panels at the bottom
    aviso.onAdd = function () {
      var d = L.DomUtil.create('div', 'sin-conexion');
      d.id = 'sinconexion';
      d.setAttribute('role', 'status');
      d.textContent = AVISO;
      return d;
    };
    aviso.addTo(m.mapa);
    var fallosVista = 0;
    teselas.on('loading', function () { fallosVista = 0; });
    teselas.on('tileerror', function () {
      m.fallos++;
      fallosVista++;
      aviso.getContainer().style.display = 'block';
    });
    teselas.on('load', function () { if (fallosVista === 0) aviso.getContainer().style.display = 'none'; });
  }

  // Puts the base layer under the tiles of a map.
  function poner(mapa, teselas) {
    var pane = mapa.createPane('base');
    pane.style.zIndex = 150;  // tiles are at 200
    mapa.getContainer().style.background = MAR;
    if (mapa.attributionControl) mapa.attributionControl.addAttribution(ATRIBUCION);
    var m = { mapa: mapa, fallos: 0 };
    mapas.push(m);
    if (teselas) vigilarTeselas(m, teselas);
    mapa.on('moveend', function () { segunZoom(m); });
    if (rasgos) dibujar(m);
  }

  // What the base layer of the first map holds (read by the program's tests).
  function contar() {
    var m = mapas[0];
    if (!m || !m.paises) return { listo: false };
    var aviso = document.getElementById('sinconexion');
    var dibujados = function (piezas) { return piezas.filter(function (p) { return m.mapa.hasLayer(p.capa); }); };
    return {
      listo: true,
      paises: m.paises.map(function (p) { return p.nombre; }),
      paisesDibujados: dibujados(m.paises).map(function (p) { return p.nombre; }),
      provincias: m.provincias && m.mapa.hasLayer(m.provincias) ? rasgos.provincias : 0,
      municipios: municipios ? municipios.cuantos : 0,
      municipiosVisibles: dibujados(m.municipios).length,
      ciudades: m.ciudades.getLayers().length,
      fallosTeselas: m.fallos,
      aviso: aviso && aviso.style.display === 'block' ? aviso.textContent : ''
    };
  }

  return { poner: poner, contar: contar };
})();
