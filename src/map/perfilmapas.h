#pragma once
// The one web profile of every map window and the real-time view: named and persistent, kept in the
// application folder (PerfilWeb/), so that map tiles already seen stay in its disk cache and the
// real-time page keeps its login between runs.
class QWebEngineProfile;

// Created on first use; lives with the application, after every window that shows a page of it.
QWebEngineProfile *PerfilMapas();
