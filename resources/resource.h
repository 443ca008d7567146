// Resource identifiers of zotwell. The numbers are fixed: a resource library in
// another language carries the same ones, and the program finds its strings,
// menus, dialogs and controls by them. Each number is written here once; a
// control that reuses another dialog's number says so by naming that one.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// ---------------------------------------------------------------------------
// Program resources

// Built-in template document (a complete settings file) that New starts from.
#define IDR_DEFAULTFILE 253
#define RT_DEFAULTFILE "DEFAULTFILE"

// Always taken from the exe itself, whatever resource library lies beside it.
#define IDI_ZOTWELL 892
#define IDC_SPLIT 884 // cursor over the splitter between tree and right pane
#define IDA_MAIN 885

// Menus. The two context menus hold their items in their first popup.
#define IDR_MAIN_MENU 101
#define IDR_TREE_MENU 126 // tree root: Connect, Disconnect, Download, Upload
#define IDR_LIST_MENU 130 // register-list row: Property, Cut, Copy, Paste, Delete

// Bitmaps; the image indices inside them are listed at the end of this file.
// The toolbar strips are drawn on silver, RGB(192, 192, 192): add them to an
// image list masked with that colour, or map it to the button face.
#define IDB_VIEW_IMAGES 889      // fourteen 16 x 18 images, 4-bit colour, white ground
#define IDB_TOOLBAR 890          // eight 55 x 55 images, 8-bit colour
#define IDB_TOOLBAR_DISABLED 891 // the same eight, greyed

// ---------------------------------------------------------------------------
// Commands. All of them arrive as WM_COMMAND at the one dispatcher; those
// without a menu entry are sent by the program itself or offered only by a
// menu of a resource library.

#define IDM_NEW 102
#define IDM_OPEN 103
#define IDM_SAVE 104
#define IDM_SAVE_AS 105
#define IDM_IMPORT_ADDRESS_BOOK 106
#define IDM_PRINT 107
#define IDM_EXIT 108
#define IDM_CUT 109
#define IDM_COPY 110
#define IDM_PASTE 111
#define IDM_DELETE 112
#define IDM_SHOW_ONE_TOUCH 113 // select the first node under the tree's root
#define IDM_SHOW_SPEED_DIAL 114
#define IDM_SHOW_GROUPS 115 // select the third node under the tree's root
#define IDM_CONNECT 116
#define IDM_DISCONNECT 117
#define IDM_DOWNLOAD 118
#define IDM_UPLOAD 119
#define IDM_UTILITY_SETTING 120
#define IDM_ADMIN_MANAGEMENT 121
#define IDM_COUNTER 122
#define IDM_CONFIGURATION 123 // Machine Status dialog
#define IDM_HELP 124          // F1; deliberately does nothing
#define IDM_ABOUT 125
#define IDM_TREE_DOWNLOAD 127
#define IDM_TREE_UPLOAD 128 // uploads only while the root is the view
#define IDM_PROPERTY 131
#define IDM_EXPORT_ADDRESS_BOOK 132
#define IDM_NEW_ENTRY 133
#define IDM_FETCH 250 // internal: read the machine's data into the image
#define IDM_CAPS_LOCK 886
#define IDM_NUM_LOCK 887
#define IDM_SCROLL_LOCK 888

// ---------------------------------------------------------------------------
// Child windows of the frame

#define IDC_TOOLBAR 251
#define IDC_STATUS_BAR 252
#define IDC_TREE 2000
#define IDC_REGISTER_LIST 2001
#define IDC_GROUP_ITEMS_LIST 2002

// Status panel: modeless child dialog in the right-hand pane
#define IDD_STATUS_PANEL 334
#define IDC_STATUS_TEXT 335

// About box
#define IDD_ABOUT 578
#define IDC_ABOUT_MODEL 579
#define IDC_ABOUT_PRODUCT 580
#define IDC_ABOUT_VERSION 581
#define IDC_ABOUT_NOTE 582

// ---------------------------------------------------------------------------
// Address book dialogs

// Group boxes that the speed-dial registration and the forward location
// dialog both carry, in the same role.
#define IDC_REGISTER_GROUP 302 // "Register": the kind of destination
#define IDC_DETAILS_GROUP 305  // frames the fields of the chosen kind

// Speed-dial registration
#define IDD_SPEED_DIAL 917
#define IDC_SD_EMAIL_RADIO 918
#define IDC_SD_FTP_RADIO 919
#define IDC_SD_SMB_RADIO 920
#define IDC_SD_NAME_LABEL 921
#define IDC_SD_NAME_EDIT 922
#define IDC_SD_NAME2_LABEL 923
#define IDC_SD_NAME2_EDIT 924
#define IDC_SD_ADDRESS_LABEL 925
#define IDC_SD_ADDRESS_EDIT 926
#define IDC_SD_DIRECTORY_LABEL 927 // first of the FTP/SMB-only controls
#define IDC_SD_DIRECTORY_EDIT 928
#define IDC_SD_PROXY_CHECK 929
#define IDC_SD_PORT_LABEL 930
#define IDC_SD_PORT_EDIT 931
#define IDC_SD_PORT_RANGE_LABEL 932
#define IDC_SD_NOTIFY_CHECK 933
#define IDC_SD_NOTIFY1_LABEL 934 // No.1 to No.5: label, edit, label, edit, ...
#define IDC_SD_NOTIFY1_EDIT 935
#define IDC_SD_NOTIFY2_LABEL 936
#define IDC_SD_NOTIFY2_EDIT 937
#define IDC_SD_NOTIFY3_LABEL 938
#define IDC_SD_NOTIFY3_EDIT 939
#define IDC_SD_NOTIFY4_LABEL 940
#define IDC_SD_NOTIFY4_EDIT 941
#define IDC_SD_NOTIFY5_LABEL 942
#define IDC_SD_NOTIFY5_EDIT 943
#define IDC_SD_NOTIFY6_LABEL 944 // No.6 to No.10, in the right-hand column
#define IDC_SD_NOTIFY6_EDIT 945
#define IDC_SD_NOTIFY7_LABEL 946
#define IDC_SD_NOTIFY7_EDIT 947
#define IDC_SD_NOTIFY8_LABEL 948
#define IDC_SD_NOTIFY8_EDIT 949
#define IDC_SD_NOTIFY9_LABEL 950
#define IDC_SD_NOTIFY9_EDIT 951
#define IDC_SD_NOTIFY10_LABEL 952
#define IDC_SD_NOTIFY10_EDIT 953
#define IDC_SD_ACCOUNT_GROUP 954
#define IDC_SD_PRIVATE_RADIO 955
#define IDC_SD_ANONYMOUS_RADIO 956
#define IDC_SD_USER_LABEL 957
#define IDC_SD_USER_EDIT 958
#define IDC_SD_PASSWORD_LABEL 959
#define IDC_SD_PASSWORD_EDIT 960 // last of the FTP/SMB-only controls

// Forward location (fax forwarding destination)
#define IDD_FORWARD_LOCATION 732
#define IDC_FWD_FAX_RADIO 303
#define IDC_FWD_EMAIL_RADIO 304
#define IDC_FWD_NUMBER_LABEL 310 // "Phone Number" or "Address", by kind
#define IDC_FWD_ADDRESS_EDIT 311 // lies on top of the number edit
#define IDC_FWD_NUMBER_EDIT 312
#define IDC_FWD_SUB_LABEL 313
#define IDC_FWD_SUB_EDIT 314 // the dial filter refuses pause, space and "-" here
#define IDC_FWD_SID_LABEL 315
#define IDC_FWD_SID_EDIT 316 // and here
#define IDC_FWD_MODE_GROUP 325
#define IDC_FWD_BASIC_RADIO 326
#define IDC_FWD_ADVANCED_RADIO 327
#define IDC_FWD_TX_SIZE_LABEL 328
#define IDC_FWD_TX_SIZE_LIST 329
#define IDC_FWD_QUALITY_LABEL 330
#define IDC_FWD_QUALITY_LIST 331
#define IDC_FWD_CODING_LABEL 332
#define IDC_FWD_CODING_LIST 333

// Select Print Items
#define IDD_PRINT_ITEMS 739
#define IDC_PRINT_ONE_TOUCH_CHECK 740
#define IDC_PRINT_SPEED_DIAL_CHECK 741
#define IDC_PRINT_GROUP_DIAL_CHECK 742

// ---------------------------------------------------------------------------
// "Utility Setting" sheet: pages and their sub-dialogs

// Machine Setting page
#define IDD_MACHINE_SETTING 336
#define IDC_MS_PANEL_RESET_CHECK 338
#define IDC_MS_PANEL_RESET_LIST 339
#define IDC_MS_SHUT_OFF_CHECK 341
#define IDC_MS_SHUT_OFF_LABEL 342
#define IDC_MS_SHUT_OFF_SLIDER 343
#define IDC_MS_ADF_MODE1_RADIO 345
#define IDC_MS_ADF_MODE2_RADIO 346
#define IDC_MS_INITIAL_COPY_RADIO 352
#define IDC_MS_INITIAL_FAX_RADIO 353
#define IDC_MS_BOOK_MODE1_RADIO 355
#define IDC_MS_BOOK_MODE2_RADIO 356
#define IDC_MS_LANGUAGE_LIST 358
#define IDC_MS_SCAN_THRESHOLD_LIST 360
#define IDC_MS_SLEEP_SLIDER 362
#define IDC_MS_SLEEP_LABEL 363
#define IDC_MS_LCD_CONTRAST_SLIDER 366
#define IDC_MS_PRINT_DENSITY_SLIDER 370
#define IDC_MS_REPEAT_START_LIST 374
#define IDC_MS_REPEAT_INTERVAL_LIST 376
#define IDC_MS_BUZZER_BUTTON 378

// Buzzer Volume dialog
#define IDD_BUZZER_VOLUME 377
#define IDC_BUZ_DISABLE_RADIO 379
#define IDC_BUZ_ENABLE_RADIO 380
#define IDC_BUZ_VALID_LIST 385
#define IDC_BUZ_INVALID_LIST 386
#define IDC_BUZ_BASE_LIST 387
#define IDC_BUZ_PRINT_LIST 391
#define IDC_BUZ_FAX_LIST 392
#define IDC_BUZ_LOW_CAUTION1_LIST 398
#define IDC_BUZ_LOW_CAUTION2_LIST 399
#define IDC_BUZ_LOW_CAUTION3_LIST 400
#define IDC_BUZ_HIGH_CAUTION_LIST 401
#define IDC_BUZ_PREPARATION_LIST 903

// Paper Source page
#define IDD_PAPER_SOURCE 402
#define IDC_PS_TRAYS_BUTTON 404
#define IDC_PS_PLAIN_RADIO 407 // media radios: 407 + media code (4 is unused)
#define IDC_PS_CARD1_RADIO 408
#define IDC_PS_CARD2_RADIO 409
#define IDC_PS_RECYCLE_RADIO 410
#define IDC_PS_ENVELOPE_RADIO 412
#define IDC_PS_PLAIN_DUPLEX_RADIO 413
#define IDC_PS_CARD1_DUPLEX_RADIO 414
#define IDC_PS_CARD2_DUPLEX_RADIO 415
#define IDC_PS_RECYCLE_DUPLEX_RADIO 416
#define IDC_PS_SPECIAL_RADIO 417
#define IDC_PS_ONE_SIDE_RADIO 418
#define IDC_PS_TRANSPARENCY_RADIO 419
#define IDC_PS_SIZE_LIST_RADIO 424 // size radios: 424 + size kind
#define IDC_PS_SIZE_INPUT_RADIO 425
#define IDC_PS_HAGAKI_RADIO 426
#define IDC_PS_MEMORY1_RADIO 427
#define IDC_PS_MEMORY2_RADIO 428
#define IDC_PS_INPUT_X_EDIT 430
#define IDC_PS_INPUT_Y_EDIT 433
#define IDC_PS_MEMORY1_X_EDIT 436
#define IDC_PS_MEMORY1_Y_EDIT 439
#define IDC_PS_MEMORY2_X_EDIT 442
#define IDC_PS_MEMORY2_Y_EDIT 445
#define IDC_PS_INCH_RADIO 745
#define IDC_PS_METRIC_RADIO 746
#define IDC_PS_SIZE_LIST 908

// Tray 2~5 Setting dialog (unit radios, inch then metric, per tray)
#define IDD_TRAY_SETTING 759
#define IDC_TRAY2_INCH_RADIO 748
#define IDC_TRAY2_METRIC_RADIO 749
#define IDC_TRAY3_INCH_RADIO 751
#define IDC_TRAY3_METRIC_RADIO 752
#define IDC_TRAY4_INCH_RADIO 754
#define IDC_TRAY4_METRIC_RADIO 755
#define IDC_TRAY5_INCH_RADIO 757
#define IDC_TRAY5_METRIC_RADIO 758

// Copy Setting(1) page
#define IDD_COPY_SETTING1 467
#define IDC_CS1_PAPER_LIST 469
#define IDC_CS1_TEXT_RADIO 471
#define IDC_CS1_PHOTO_RADIO 472
#define IDC_CS1_TEXT_PHOTO_RADIO 473
#define IDC_CS1_DENSITY_AUTO_RADIO 475
#define IDC_CS1_DENSITY_MANUAL_RADIO 476
#define IDC_CS1_LIGHT_RADIO 478
#define IDC_CS1_NORMAL_RADIO 479
#define IDC_CS1_DARK_RADIO 480
#define IDC_CS1_DENSITY_SLIDER 482
#define IDC_CS1_MARGIN_EDIT 484
#define IDC_CS1_SMALL_ORIGINAL_CHECK 486
#define IDC_CS1_BIND_LEFT_RADIO 488
#define IDC_CS1_BIND_RIGHT_RADIO 489
#define IDC_CS1_ERASE_LEFT_EDIT 492
#define IDC_CS1_ERASE_UPPER_EDIT 495
#define IDC_CS1_ERASE_FRAME_EDIT 498
#define IDC_CS1_DUPLEX_LIST 503
#define IDC_CS1_OUTPUT_BINDING_LIST 504
#define IDC_CS1_ORIGINAL_BINDING_LIST 505
#define IDC_CS1_OUTER_ERASE_SLIDER 912

// Copy Setting(2) page
#define IDD_COPY_SETTING2 506
#define IDC_CS2_AUTO_PAPER_RADIO 508
#define IDC_CS2_AUTO_ZOOM_RADIO 509
#define IDC_CS2_MANUAL_RADIO 510
#define IDC_CS2_NON_SORT_RADIO 512
#define IDC_CS2_SORT_RADIO 513
#define IDC_CS2_GROUP_RADIO 514
#define IDC_CS2_ORDER1_RADIO 516
#define IDC_CS2_ORDER2_RADIO 517
#define IDC_CS2_MIXED_ORIGINAL_CHECK 518
#define IDC_CS2_CRISSCROSS_CHECK 519
#define IDC_CS2_DIRECTION_LIST 526
#define IDC_CS2_BOOK_SEPARATION_LIST 527
#define IDC_CS2_STAMP_LIST 528
#define IDC_CS2_PAGE_FORMAT_LIST 529
#define IDC_CS2_DATE_FORMAT_LIST 530

// FAX TX Operation page
#define IDD_FAX_TX 531
#define IDC_FTX_DENSITY_SLIDER 533
#define IDC_FTX_QUALITY_LIST 534
#define IDC_FTX_MEMORY_TX_RADIO 535
#define IDC_FTX_ADF_TX_RADIO 536
#define IDC_FTX_HEADER_CHECK 537
#define IDC_FTX_CONFIRM_NUMBER_CHECK 539

// FAX RX Operation page
#define IDD_FAX_RX 540
#define IDC_FRX_MEMORY_ON_RADIO 542
#define IDC_FRX_PASSWORD_EDIT 544
#define IDC_FRX_MEMORY_OFF_RADIO 545
#define IDC_FRX_ON_HOUR_EDIT 547
#define IDC_FRX_ON_MINUTE_EDIT 549
#define IDC_FRX_OFF_HOUR_EDIT 551
#define IDC_FRX_OFF_MINUTE_EDIT 553
#define IDC_FRX_MEMORY_PRINT_RADIO 555
#define IDC_FRX_DIRECT_PRINT_RADIO 556
#define IDC_FRX_AUTO_RX_RADIO 558
#define IDC_FRX_MANUAL_RX_RADIO 559
#define IDC_FRX_RINGS_SLIDER 561
#define IDC_FRX_RINGS_LABEL 562
#define IDC_FRX_TRANSFER_CHECK 564
#define IDC_FRX_TRANSFER_SLIDER 565
#define IDC_FRX_TRANSFER_LABEL 566
#define IDC_FRX_REDUCTION_ON_RADIO 568
#define IDC_FRX_REDUCTION_CUT_RADIO 569
#define IDC_FRX_REDUCTION_OFF_RADIO 570
#define IDC_FRX_FORWARD_ON_RADIO 572
#define IDC_FRX_FORWARD_PRINT_RADIO 573
#define IDC_FRX_FORWARD_OFF_RADIO 574
#define IDC_FRX_SELECT_TRAY_BUTTON 575
#define IDC_FRX_FOOTER_CHECK 576
#define IDC_FRX_CLOSED_NETWORK_CHECK 577

// Select Tray dialog (Enable and Disable radio per tray)
#define IDD_SELECT_TRAY 794
#define IDC_TRAY1_ENABLE_RADIO 796
#define IDC_TRAY1_DISABLE_RADIO 797
#define IDC_TRAY2_ENABLE_RADIO 799
#define IDC_TRAY2_DISABLE_RADIO 800
#define IDC_TRAY3_ENABLE_RADIO 802
#define IDC_TRAY3_DISABLE_RADIO 803
#define IDC_TRAY4_ENABLE_RADIO 805
#define IDC_TRAY4_DISABLE_RADIO 806
#define IDC_TRAY5_ENABLE_RADIO 808
#define IDC_TRAY5_DISABLE_RADIO 809

// Scan Setting page
#define IDD_SCAN_SETTING 688
#define IDC_SCAN_150DPI_RADIO 690
#define IDC_SCAN_300DPI_RADIO 691
#define IDC_SCAN_600DPI_RADIO 692
#define IDC_SCAN_TIFF_RADIO 694
#define IDC_SCAN_PDF_RADIO 695
#define IDC_SCAN_JPEG_RADIO 696
#define IDC_SCAN_MH_RADIO 698
#define IDC_SCAN_MR_RADIO 699
#define IDC_SCAN_MMR_RADIO 700
#define IDC_SCAN_BW_RADIO 702
#define IDC_SCAN_GRAY_RADIO 703
#define IDC_SCAN_COLOR_RADIO 704
#define IDC_SCAN_RESOLUTION_GROUP 6040
#define IDC_SCAN_FORMAT_GROUP 6041
#define IDC_SCAN_CODING_GROUP 6042
#define IDC_SCAN_COLOR_GROUP 6043

// Report Setting page
#define IDD_REPORT_SETTING 733
#define IDC_RPT_ACTIVITY_CHECK 735
#define IDC_RPT_RESERVATION_CHECK 736
#define IDC_RPT_TX_RESULT_CHECK 737
#define IDC_RPT_RX_RESULT_CHECK 738

// ---------------------------------------------------------------------------
// "Administrator Mode" sheet, its prompt and the administrator dialogs

// Administrator-number prompt
#define IDD_ADMIN_PROMPT 684
#define IDC_ADMIN_NUMBER_LABEL 685
#define IDC_ADMIN_NUMBER_EDIT 686
#define IDC_ADMIN_GROUP 687
#define IDC_ADMIN_OK_BUTTON 459 // the page template below carries it too, hidden

// Administrator Mode page
#define IDD_ADMIN_MODE 447
#define IDC_AM_SPARE_BUTTON 464 // hidden
#define IDC_AM_SLEEP_SHIFT_CHECK 465
#define IDC_AM_PRINTER_OWNER_CHECK 916
#define IDC_AM_CHANGE_NUMBER_BUTTON 3587

// Change Admin No. dialog
#define IDD_CHANGE_ADMIN_NUMBER 3586
#define IDC_CAN_CURRENT_LABEL 457
#define IDC_CAN_CURRENT_EDIT 458
#define IDC_CAN_NEW_LABEL 460
#define IDC_CAN_NEW_EDIT 461
#define IDC_CAN_CONFIRM_LABEL 462
#define IDC_CAN_CONFIRM_EDIT 463

// Network Setting page
#define IDD_NETWORK_SETTING 636
#define IDC_NET_AUTO_RADIO 637
#define IDC_NET_SPECIFY_RADIO 638
#define IDC_NET_IP_ADDRESS 640
#define IDC_NET_SUBNET_MASK 642
#define IDC_NET_GATEWAY 644
#define IDC_NET_DNS_DISABLE_RADIO 646
#define IDC_NET_DNS_ENABLE_RADIO 647
#define IDC_NET_DNS_SERVER 649
#define IDC_NET_SNMP_CHECK 652
#define IDC_NET_LPD_CHECK 653
#define IDC_NET_NTP_SERVER_EDIT 660
#define IDC_NET_NTP_PORT_EDIT 662
#define IDC_NET_AUTO_TIME_DISABLE_RADIO 904
#define IDC_NET_AUTO_TIME_ENABLE_RADIO 905
#define IDC_NET_PORT_EDIT 977
// Labels the program names itself: each stands beside the control whose
// number follows it, and is disabled with it.
#define IDC_NET_IP_LABEL 639
#define IDC_NET_SUBNET_LABEL 641
#define IDC_NET_GATEWAY_LABEL 643
#define IDC_NET_DNS_SERVER_LABEL 648
#define IDC_NET_TCPIP_GROUP 6000
#define IDC_NET_DNS_GROUP 6001
#define IDC_NET_PORT_LABEL 6002
#define IDC_NET_AUTO_TIME_GROUP 6003
#define IDC_NET_NTP_SERVER_LABEL 6004
#define IDC_NET_NTP_PORT_LABEL 6005

// Controls that both E-Mail Setting pages carry, in the same role
#define IDC_MAIL_PORT_EDIT 610
#define IDC_MAIL_TIMEOUT_LABEL 613

// E-Mail Setting(1) page. Three of its controls carry numbers of the
// speed-dial registration dialog; the names say what they are here.
#define IDD_EMAIL_SETTING1 603
#define IDC_EM1_SENDER_EDIT 307
#define IDC_EM1_ADDRESS_EDIT 606
#define IDC_EM1_SMTP_SERVER_EDIT 608
#define IDC_EM1_SMTP_TIMEOUT_SLIDER 612
#define IDC_EM1_SUBJECT_EDIT 615
#define IDC_EM1_TEXT_INSERT_CHECK 616
#define IDC_EM1_POP_BEFORE_SMTP_CHECK 617
#define IDC_EM1_POP_WAIT_SLIDER 618
#define IDC_EM1_POP_WAIT_LABEL 619
#define IDC_EM1_SMTP_AUTH_CHECK IDC_SD_SMB_RADIO
#define IDC_EM1_SMTP_USER_EDIT IDC_SD_NAME_EDIT
#define IDC_EM1_SMTP_PASSWORD_EDIT IDC_SD_NAME2_EDIT
#define IDC_EM1_SENDER_LABEL 6010
#define IDC_EM1_ADDRESS_LABEL 6011
#define IDC_EM1_SMTP_SERVER_LABEL 6012
#define IDC_EM1_SMTP_PORT_LABEL 6013
#define IDC_EM1_SMTP_TIMEOUT_TITLE 6014
#define IDC_EM1_SUBJECT_LABEL 6015
#define IDC_EM1_SMTP_USER_LABEL 6016
#define IDC_EM1_SMTP_PASSWORD_LABEL 6017

// E-Mail Setting(2) page
#define IDD_EMAIL_SETTING2 620
#define IDC_EM2_POP3_SERVER_EDIT 622
#define IDC_EM2_POP3_ACCOUNT_EDIT 624
#define IDC_EM2_POP3_PASSWORD_EDIT 626
#define IDC_EM2_POP3_TIMEOUT_SLIDER 628
#define IDC_EM2_POP3_SERVER_LABEL 6020
#define IDC_EM2_POP3_ACCOUNT_LABEL 6021
#define IDC_EM2_POP3_PASSWORD_LABEL 6022
#define IDC_EM2_POP3_PORT_LABEL 6023
#define IDC_EM2_POP3_TIMEOUT_TITLE 6024

// User Setting page
#define IDD_USER_SETTING 881
#define IDC_US_TIME_ZONE_LIST 896
#define IDC_US_DAYLIGHT_CHECK 897
#define IDC_US_DAYLIGHT_SLIDER 898
#define IDC_US_DAYLIGHT_LABEL 899
#define IDC_US_WEB_LANGUAGE_LIST 980
#define IDC_US_TIME_ZONE_LABEL 6030
#define IDC_US_WEB_LANGUAGE_LABEL 6031

// FTP && SMB Configuration page
#define IDD_FTP_SMB 961
#define IDC_FS_FTP_GROUP 962
#define IDC_FS_PROXY_ADDRESS_LABEL 963
#define IDC_FS_PROXY_ADDRESS 964
#define IDC_FS_PROXY_PORT_LABEL 965
#define IDC_FS_PROXY_PORT_EDIT 966
#define IDC_FS_TIMEOUT_TITLE 967
#define IDC_FS_TIMEOUT_SLIDER 968
#define IDC_FS_TIMEOUT_LABEL 969
#define IDC_FS_SMB_GROUP 970
#define IDC_FS_SEND_LABEL 971
#define IDC_FS_SEND_ENABLE_RADIO 972
#define IDC_FS_SEND_DISABLE_RADIO 973
#define IDC_FS_AUTH_LABEL 974
#define IDC_FS_AUTH_LIST 975

// Machine Status dialog
#define IDD_MACHINE_STATUS 840
#define IDC_MST_BYPASS_TEXT 850
#define IDC_MST_MEMORY_TEXT 856
#define IDC_MST_CONTROLLER_TEXT 857
#define IDC_MST_ENGINE_TEXT 858
#define IDC_MST_SERIAL_TEXT 901
#define IDC_MST_BYPASS_LABEL 6050
#define IDC_MST_MEMORY_LABEL 6051
#define IDC_MST_MEMORY_UNIT 6052
#define IDC_MST_CONTROLLER_LABEL 6053
#define IDC_MST_ENGINE_LABEL 6054
#define IDC_MST_SERIAL_LABEL 6055

// Counter dialog: six labels and the six counters beside them
#define IDD_COUNTER 868
#define IDC_CNT_COPY_LABEL 869
#define IDC_CNT_FAX_RX_LABEL 870
#define IDC_CNT_REPORT_LABEL 871
#define IDC_CNT_PC_LABEL 872
#define IDC_CNT_FAX_TX_LABEL 873
#define IDC_CNT_COPY_TEXT 874
#define IDC_CNT_FAX_RX_TEXT 875
#define IDC_CNT_REPORT_TEXT 876
#define IDC_CNT_PC_TEXT 877
#define IDC_CNT_FAX_TX_TEXT 878
#define IDC_CNT_MAIL_TX_LABEL 879
#define IDC_CNT_MAIL_TX_TEXT 880

// Templates that no command of this program opens
#define IDD_COMMUNICATION_SETTING 583
#define IDD_LDAP_SETTING 810
#define IDD_ACCOUNT_TRACK 719
#define IDD_REMOTE_PASSWORD 730

// ---------------------------------------------------------------------------
// Strings

// Main window: tooltips, status bar and status panel
#define IDS_CONNECT 3001
#define IDS_DISCONNECT 3002
#define IDS_DOWNLOAD 3003
#define IDS_UPLOAD 3004
#define IDS_NEW 3558
#define IDS_STATUS_PANE 3316 // "Zotwell", status-bar pane 1
#define IDS_ONLINE 3331      // "Connect Status : ONLINE"; OFFLINE is one above
#define IDS_OFFLINE 3332

// Program-wide
#define IDS_APP_TITLE 3574 // caption of the frame and of every message box
#define IDS_LANGUAGE 3561  // UI language word: decides name filters and columns
#define IDS_ABOUT 3142

// Machine link messages
#define IDS_ERR_USB_PORT 3448
#define IDS_ERR_MACHINE_BUSY 3449
#define IDS_ERR_TIMEOUT 3450
#define IDS_ERR_CONNECT_AGAIN 3451
#define IDS_ERR_MACHINE_TROUBLE 3480
#define IDS_ERR_MACHINE_DATA 3404

// Document commands
#define IDS_SAVE 3007
#define IDS_OPEN 3329
#define IDS_SAVE_AS 3330
#define IDS_NEWFILE 3389
#define IDS_DAT_FILTER 3576
#define IDS_SIGNATURE 3580
#define IDS_ASK_SAVE_CHANGES 3452 // %s: the document's path
#define IDS_ERR_FILE_FORMAT 3459
#define IDS_ASK_IMPORT 3478
#define IDS_ASK_DOWNLOAD 3577
#define IDS_ASK_UPLOAD 3391

// Address book views
#define IDS_SPEED_DIAL 3310 // tree node, and the title of the printed list
#define IDS_COL_NUMBER 3323
#define IDS_COL_NAME 3321
#define IDS_COL_NAME2 3473
#define IDS_COL_ADDRESS 3322
#define IDS_COL_GROUP_ITEMS 3348

// Printing
#define IDS_PRINT_ITEMS_TITLE 3252
#define IDS_PRINT_ONE_TOUCH 3253
#define IDS_PRINT_SPEED_DIAL 3254
#define IDS_PRINT_GROUP_DIAL 3255
#define IDS_PRINT_DOCUMENT 3578
#define IDS_PRINT_PAGE_HEADER 3416 // %d pages, %d this page
#define IDS_PRINT_COL_KEY 3418
#define IDS_PRINT_FONT 3458

// CSV export column titles
#define IDS_CSV_NAME 3723
#define IDS_CSV_COMPANY 3724
#define IDS_CSV_DEPARTMENT 3725
#define IDS_CSV_TELEPHONE 3726
#define IDS_CSV_FAX 3727
#define IDS_CSV_EMAIL 3728
#define IDS_CSV_ADDRESS 3729

// Buttons and checks shared by the dialogs and pages
#define IDS_OK 3009
#define IDS_CANCEL 3010
#define IDS_RANGE 3394             // %d to %d
#define IDS_RANGE_PORT 3340        // %d to %d
#define IDS_RANGE_HOUR 3338        // %d to %d
#define IDS_RANGE_MINUTE 3339      // %d to %d
#define IDS_RANGE_FIRST_OCTET 3479 // %d to %d and %d to %d
#define IDS_NOT_INTEGER 3341
#define IDS_EMAIL_REQUIRED 3426
#define IDS_EMAIL_INVALID 3390
#define IDS_NAME_DELETED 3585

// Speed-dial registration dialog
#define IDS_SPEED_DIAL_TITLE 3333 // followed by the two-digit key number
#define IDS_REGISTER 3011
#define IDS_EMAIL_RADIO 3013
#define IDS_FTP 4122
#define IDS_SMB 4123
#define IDS_NAME_LABEL 3014
#define IDS_ADDRESS_LABEL 3313
#define IDS_DIRECTORY 4124
#define IDS_USE_PROXY 4125
#define IDS_REMOTE_PORT 4126
#define IDS_EMAIL_NOTIFICATION 4127
#define IDS_NOTIFY1 4128 // "No.1" to "No.10" follow in order
#define IDS_NOTIFY2 4129
#define IDS_NOTIFY3 4130
#define IDS_NOTIFY4 4131
#define IDS_NOTIFY5 4132
#define IDS_NOTIFY6 4133
#define IDS_NOTIFY7 4134
#define IDS_NOTIFY8 4135
#define IDS_NOTIFY9 4136
#define IDS_NOTIFY10 4137
#define IDS_ACCOUNT_INFORMATION 4138
#define IDS_ANONYMOUS 4139
#define IDS_PRIVATE_SITE 4140
#define IDS_USER_NAME 4141
#define IDS_PASSWORD 4142

// Forward location dialog
#define IDS_FORWARD_LOCATION 3232
#define IDS_FAX_RADIO 3012
#define IDS_FAX_GROUP 3342
#define IDS_EMAIL_GROUP 3343
#define IDS_PHONE_NUMBER_LABEL 3312
#define IDS_SUB_LABEL 3015
#define IDS_SID_LABEL 3016
#define IDS_EMAIL_MODE 3023
#define IDS_BASIC 3024
#define IDS_ADVANCED 3171
#define IDS_MAX_TX_SIZE 3025
#define IDS_MAX_QUALITY 3026
#define IDS_CODING 3172
#define IDS_PHONE_REQUIRED 3334
#define IDS_SIZE_A3 3431 // metric sizes 3431..3433, inch sizes 3434..3435
#define IDS_SIZE_B4 3432
#define IDS_SIZE_A4 3433
#define IDS_SIZE_LETTER 3434
#define IDS_SIZE_11X17 3435
#define IDS_QUALITY_FINE 3436
#define IDS_QUALITY_SUPER_FINE 3437
#define IDS_CODING_MH 3438
#define IDS_CODING_MR 3439
#define IDS_CODING_MMR 3440

// Property sheets and their tab titles
#define IDS_UTILITY_SETTING 3320
#define IDS_ADMINISTRATOR_MODE 3067 // sheet caption and its first tab
#define IDS_TAB_MACHINE 3317
#define IDS_TAB_PAPER 3052
#define IDS_TAB_COPY1 3075
#define IDS_TAB_COPY2 3096
#define IDS_TAB_FAX_TX 3108
#define IDS_TAB_FAX_RX 3115
#define IDS_TAB_SCAN 3200
#define IDS_TAB_REPORT 3154
#define IDS_TAB_NETWORK 3184
#define IDS_TAB_EMAIL1 3163
#define IDS_TAB_EMAIL2 3174
#define IDS_TAB_USER 3211
#define IDS_TAB_FTP_SMB 4143

// Machine Setting page: Auto Panel Reset times
#define IDS_PANEL_RESET_DISABLE 3358
#define IDS_PANEL_RESET_30S 3359
#define IDS_PANEL_RESET_1MIN 3360
#define IDS_PANEL_RESET_2MIN 3361
#define IDS_PANEL_RESET_3MIN 3362
#define IDS_PANEL_RESET_4MIN 3363
#define IDS_PANEL_RESET_5MIN 3364

// Machine Setting page: panel languages (lists by destination code)
#define IDS_LANG_ENGLISH 3367
#define IDS_LANG_GERMAN 3368
#define IDS_LANG_FRENCH 3369
#define IDS_LANG_ITALIAN 3370
#define IDS_LANG_DANISH 3371
#define IDS_LANG_DUTCH 3372
#define IDS_LANG_SPANISH 3373
#define IDS_LANG_NORWEGIAN 3374
#define IDS_LANG_SWEDISH 3375
#define IDS_LANG_FINNISH 3376
#define IDS_LANG_TURKISH 3377
#define IDS_LANG_PORTUGUESE 3378
#define IDS_LANG_CZECH 3379
#define IDS_LANG_HUNGARIAN 3380
#define IDS_LANG_POLISH 3381
#define IDS_LANG_ROMANIAN 3382
#define IDS_LANG_LITHUANIAN 3383
#define IDS_LANG_SLOVAKIAN 3384
#define IDS_LANG_CATALAN 3722

// Machine Setting page: scan threshold and key repeat lists
#define IDS_THRESHOLD_256K 3474
#define IDS_THRESHOLD_512K 3475
#define IDS_THRESHOLD_1024K 3476
#define IDS_THRESHOLD_1536K 3477
#define IDS_REPEAT_0_1S 3481
#define IDS_REPEAT_0_3S 3482
#define IDS_REPEAT_0_5S 3483
#define IDS_REPEAT_1_0S 3484
#define IDS_REPEAT_1_5S 3485
#define IDS_REPEAT_2_0S 3486
#define IDS_REPEAT_2_5S 3487
#define IDS_REPEAT_3_0S 3488

// Buzzer Volume dialog: the four levels
#define IDS_VOLUME_OFF 3606
#define IDS_VOLUME_LOW 3607
#define IDS_VOLUME_MIDDLE 3608
#define IDS_VOLUME_HIGH 3609

// Copy Setting(1) page
#define IDS_TRAY1 3349
#define IDS_TRAY2 3350
#define IDS_TRAY3 3351
#define IDS_TRAY4 3352
#define IDS_TRAY5 3353
#define IDS_MULTI_BYPASS 3354
#define IDS_DUPLEX_1_1 3617
#define IDS_DUPLEX_1_2 3618
#define IDS_DUPLEX_2_1 3619
#define IDS_DUPLEX_2_2 3620
#define IDS_BINDING_LEFT 3622
#define IDS_BINDING_RIGHT 3623
#define IDS_BINDING_TOP 3624

// Copy Setting(2) page
#define IDS_DIRECTION_TOP 3627
#define IDS_DIRECTION_BOTTOM 3628
#define IDS_DIRECTION_LEFT 3629
#define IDS_DIRECTION_RIGHT 3630
#define IDS_BOOK_OFF 3632
#define IDS_BOOK_SEPARATION 3633
#define IDS_BOOK_SPREAD 3634
#define IDS_STAMP_OFF 3636
#define IDS_STAMP_PAGE 3637
#define IDS_STAMP_DATE 3638
#define IDS_STAMP_BOTH 3639
#define IDS_PAGE_FORMAT_P001 3641
#define IDS_PAGE_FORMAT_123 3642
#define IDS_DATE_MDY 3644
#define IDS_DATE_DMY 3645
#define IDS_DATE_YMD 3646

// FAX TX Operation page: quality list; FAX RX: Select Tray dialog
#define IDS_FAX_STANDARD_TEXT 3492
#define IDS_FAX_FINE_TEXT 3493
#define IDS_FAX_SUPER_FINE_TEXT 3494
#define IDS_FAX_STANDARD_PHOTO 3495
#define IDS_FAX_FINE_PHOTO 3496
#define IDS_FAX_SUPER_FINE_PHOTO 3497
#define IDS_SELECT_TRAY 3584

// User Setting page: time zones "+00:00" .. "+12:00", "-00:30" .. "-12:00"
#define IDS_TZ_PLUS_0000 3655
#define IDS_TZ_PLUS_0030 3656
#define IDS_TZ_PLUS_0100 3657
#define IDS_TZ_PLUS_0130 3658
#define IDS_TZ_PLUS_0200 3659
#define IDS_TZ_PLUS_0230 3660
#define IDS_TZ_PLUS_0300 3661
#define IDS_TZ_PLUS_0330 3662
#define IDS_TZ_PLUS_0400 3663
#define IDS_TZ_PLUS_0430 3664
#define IDS_TZ_PLUS_0500 3665
#define IDS_TZ_PLUS_0530 3666
#define IDS_TZ_PLUS_0600 3667
#define IDS_TZ_PLUS_0630 3668
#define IDS_TZ_PLUS_0700 3669
#define IDS_TZ_PLUS_0730 3670
#define IDS_TZ_PLUS_0800 3671
#define IDS_TZ_PLUS_0830 3672
#define IDS_TZ_PLUS_0900 3673
#define IDS_TZ_PLUS_0930 3674
#define IDS_TZ_PLUS_1000 3675
#define IDS_TZ_PLUS_1030 3676
#define IDS_TZ_PLUS_1100 3677
#define IDS_TZ_PLUS_1130 3678
#define IDS_TZ_PLUS_1200 3679
#define IDS_TZ_MINUS_0030 3680
#define IDS_TZ_MINUS_0100 3681
#define IDS_TZ_MINUS_0130 3682
#define IDS_TZ_MINUS_0200 3683
#define IDS_TZ_MINUS_0230 3684
#define IDS_TZ_MINUS_0300 3685
#define IDS_TZ_MINUS_0330 3686
#define IDS_TZ_MINUS_0400 3687
#define IDS_TZ_MINUS_0430 3688
#define IDS_TZ_MINUS_0500 3689
#define IDS_TZ_MINUS_0530 3690
#define IDS_TZ_MINUS_0600 3691
#define IDS_TZ_MINUS_0630 3692
#define IDS_TZ_MINUS_0700 3693
#define IDS_TZ_MINUS_0730 3694
#define IDS_TZ_MINUS_0800 3695
#define IDS_TZ_MINUS_0830 3696
#define IDS_TZ_MINUS_0900 3697
#define IDS_TZ_MINUS_0930 3698
#define IDS_TZ_MINUS_1000 3699
#define IDS_TZ_MINUS_1030 3700
#define IDS_TZ_MINUS_1100 3701
#define IDS_TZ_MINUS_1130 3702
#define IDS_TZ_MINUS_1200 3703

// User Setting page: Web Connection display languages
#define IDS_WEB_US_ENGLISH 4160
#define IDS_WEB_UK_ENGLISH 4161
#define IDS_WEB_GERMAN 4162
#define IDS_WEB_FRENCH 4163
#define IDS_WEB_ITALIAN 4164
#define IDS_WEB_DANISH 4165
#define IDS_WEB_DUTCH 4166
#define IDS_WEB_SPANISH 4167
#define IDS_WEB_CZECH 4168
#define IDS_WEB_SIMPLIFIED_CHINESE 4169
#define IDS_WEB_TRADITIONAL_CHINESE 4170

// FTP && SMB Configuration page: labels in control order, then the list
#define IDS_FS_FTP_CONFIGURATION 4144
#define IDS_FS_PROXY_ADDRESS 4145
#define IDS_FS_PROXY_PORT 4146
#define IDS_FS_TIMEOUT 4147
#define IDS_FS_SMB_CONFIGURATION 4148
#define IDS_FS_SEND 4149
#define IDS_FS_ENABLE 4150
#define IDS_FS_DISABLE 4151
#define IDS_FS_AUTHENTICATION 4152
#define IDS_AUTH_OFF 4153
#define IDS_AUTH_NTLM_V1 4154
#define IDS_AUTH_NTLM_V2 4155

// Administrator dialogs
#define IDS_ADMIN_MANAGEMENT 3582
#define IDS_CHANGE_ADMIN_NUMBER 3569
#define IDS_MACHINE_STATUS 3240
#define IDS_INSTALLED 3402
#define IDS_NOT_INSTALLED 3403
#define IDS_TOTAL_COUNTER 3233
#define IDS_COUNTER_COPY 3234
#define IDS_COUNTER_FAX_RX 3235
#define IDS_COUNTER_REPORT 3236
#define IDS_COUNTER_PC 3237
#define IDS_COUNTER_FAX_TX 3238
#define IDS_COUNTER_MAIL_TX 3239

// ---------------------------------------------------------------------------
// Strings of the program's own, above the numbers of the original table:
// labels of the settings pages and dialogs and the units of their sliders.

#define IDS_UNIT_MIN 6000
#define IDS_UNIT_SEC 6001

// Network Setting
#define IDS_NET_TCPIP 6010
#define IDS_NET_AUTO 6011
#define IDS_NET_SPECIFY 6012
#define IDS_NET_IP_ADDRESS 6013
#define IDS_NET_SUBNET_MASK 6014
#define IDS_NET_GATEWAY 6015
#define IDS_NET_DNS 6016
#define IDS_NET_DNS_ADDRESS 6017
#define IDS_NET_SNMP 6018
#define IDS_NET_LPD 6019
#define IDS_NET_PORT 6020
#define IDS_NET_AUTO_TIME 6021
#define IDS_NET_NTP_SERVER 6022
#define IDS_NET_NTP_PORT 6023
#define IDS_NET_DNS_DISABLE 6024
#define IDS_NET_DNS_ENABLE 6025
#define IDS_NET_TIME_DISABLE 6026
#define IDS_NET_TIME_ENABLE 6027

// E-Mail Setting(1) and (2)
#define IDS_EM_SENDER 6030
#define IDS_EM_ADDRESS 6031
#define IDS_EM_SMTP_SERVER 6032
#define IDS_EM_SMTP_PORT 6033
#define IDS_EM_SMTP_TIMEOUT 6034
#define IDS_EM_TEXT_INSERT 6035
#define IDS_EM_SUBJECT 6036
#define IDS_EM_POP_BEFORE_SMTP 6037
#define IDS_EM_SMTP_AUTH 6038
#define IDS_EM_SMTP_USER 6039
#define IDS_EM_SMTP_PASSWORD 6040
#define IDS_EM_POP3_SERVER 6041
#define IDS_EM_POP3_PORT 6042
#define IDS_EM_POP3_TIMEOUT 6043
#define IDS_EM_POP3_ACCOUNT 6044
#define IDS_EM_POP3_PASSWORD 6045

// User Setting
#define IDS_US_TIME_ZONE 6050
#define IDS_US_DAYLIGHT 6051
#define IDS_US_WEB_LANGUAGE 6052

// Scan Setting
#define IDS_SCAN_RESOLUTION 6060
#define IDS_SCAN_FORMAT 6061
#define IDS_SCAN_CODING 6062
#define IDS_SCAN_COLOR 6063
#define IDS_SCAN_150DPI 6064
#define IDS_SCAN_300DPI 6065
#define IDS_SCAN_600DPI 6066
#define IDS_SCAN_TIFF 6067
#define IDS_SCAN_PDF 6068
#define IDS_SCAN_JPEG 6069
#define IDS_SCAN_MH 6070
#define IDS_SCAN_MR 6071
#define IDS_SCAN_MMR 6072
#define IDS_SCAN_BW 6073
#define IDS_SCAN_GRAY 6074
#define IDS_SCAN_COLOR_MODE 6075

// Administrator dialogs
#define IDS_AM_SLEEP_SHIFT 6080
#define IDS_AM_PRINTER_OWNER 6081
#define IDS_AM_CHANGE_NUMBER 6082
#define IDS_ADMIN_NUMBER_LABEL 6083
#define IDS_CAN_CURRENT 6084
#define IDS_CAN_NEW 6085
#define IDS_CAN_CONFIRM 6086
#define IDS_WRONG_PASSWORD 6087
#define IDS_BAD_NEW_PASSWORD 6088
#define IDS_MST_BYPASS 6089
#define IDS_MST_MEMORY 6090
#define IDS_MST_MBYTES 6091
#define IDS_MST_CONTROLLER 6092
#define IDS_MST_ENGINE 6093
#define IDS_MST_SERIAL 6094

// Labels and messages of the Machine Setting, Paper Source and Copy Setting
// pages and their dialogs (6100-6299)

// Labels and messages of the FAX TX, FAX RX and Report Setting pages, the
// Select Tray and Forward Location dialogs (6300-6499)

// Printing and the CSV export (6500-6599)
#define IDS_ERR_CSV_WRITE 6500 // %s: the file's path

// Messages of the document and the link (6600-6649)

// ---------------------------------------------------------------------------
// Ranges of strings that fill one list, first and last inclusive

#define IDS_PANEL_RESET_FIRST IDS_PANEL_RESET_30S
#define IDS_PANEL_RESET_LAST IDS_PANEL_RESET_5MIN
#define IDS_THRESHOLD_FIRST IDS_THRESHOLD_256K
#define IDS_THRESHOLD_LAST IDS_THRESHOLD_1536K
#define IDS_REPEAT_FIRST IDS_REPEAT_0_1S
#define IDS_REPEAT_LAST IDS_REPEAT_3_0S
#define IDS_VOLUME_FIRST IDS_VOLUME_OFF
#define IDS_VOLUME_LAST IDS_VOLUME_HIGH
#define IDS_DUPLEX_FIRST IDS_DUPLEX_1_1
#define IDS_DUPLEX_LAST IDS_DUPLEX_2_2
#define IDS_BINDING_FIRST IDS_BINDING_LEFT
#define IDS_BINDING_LAST IDS_BINDING_TOP
#define IDS_DIRECTION_FIRST IDS_DIRECTION_TOP
#define IDS_DIRECTION_LAST IDS_DIRECTION_RIGHT
#define IDS_BOOK_FIRST IDS_BOOK_OFF
#define IDS_BOOK_LAST IDS_BOOK_SPREAD
#define IDS_STAMP_FIRST IDS_STAMP_OFF
#define IDS_STAMP_LAST IDS_STAMP_BOTH
#define IDS_PAGE_FORMAT_FIRST IDS_PAGE_FORMAT_P001
#define IDS_PAGE_FORMAT_LAST IDS_PAGE_FORMAT_123
#define IDS_DATE_FIRST IDS_DATE_MDY
#define IDS_DATE_LAST IDS_DATE_YMD
#define IDS_FAX_QUALITY_FIRST IDS_FAX_STANDARD_TEXT
#define IDS_FAX_QUALITY_LAST IDS_FAX_SUPER_FINE_PHOTO
#define IDS_TZ_FIRST IDS_TZ_PLUS_0000
#define IDS_TZ_LAST IDS_TZ_MINUS_1200
#define IDS_WEB_FIRST IDS_WEB_US_ENGLISH
#define IDS_WEB_LAST IDS_WEB_TRADITIONAL_CHINESE
#define IDS_AUTH_FIRST IDS_AUTH_OFF
#define IDS_AUTH_LAST IDS_AUTH_NTLM_V2
#define IDS_CSV_FIRST IDS_CSV_NAME
#define IDS_CSV_LAST IDS_CSV_ADDRESS

// ---------------------------------------------------------------------------
// Image indices inside the bitmaps (drawn by scripts/gen-artwork.py)

#ifndef RC_INVOKED
enum ViewImage {
    VIEW_IMAGE_MACHINE,          // tree root
    VIEW_IMAGE_MACHINE_SELECTED, // tree root, selected
    VIEW_IMAGE_ONE_TOUCH,        // one-touch dial view
    VIEW_IMAGE_ONE_TOUCH_SELECTED,
    VIEW_IMAGE_GROUPS, // group dial view
    VIEW_IMAGE_GROUPS_SELECTED,
    VIEW_IMAGE_SPEED_DIAL, // speed-dial node and every register-list row
    VIEW_IMAGE_SPEED_DIAL_SELECTED,
    VIEW_IMAGE_EMAIL,        // e-mail destination
    VIEW_IMAGE_FAX,          // fax destination
    VIEW_IMAGE_FTP,          // FTP destination
    VIEW_IMAGE_SMB,          // SMB destination
    VIEW_IMAGE_GROUP_MEMBER, // member of a group
    VIEW_IMAGE_EMPTY,        // free key
    VIEW_IMAGE_COUNT
};

enum ToolbarImage {
    TOOLBAR_IMAGE_CONNECT,
    TOOLBAR_IMAGE_DISCONNECT,
    TOOLBAR_IMAGE_OPEN,
    TOOLBAR_IMAGE_SAVE,
    TOOLBAR_IMAGE_PRINT, // the toolbar shows no Print button; the image is there for one
    TOOLBAR_IMAGE_DOWNLOAD,
    TOOLBAR_IMAGE_UPLOAD,
    TOOLBAR_IMAGE_NEW,
    TOOLBAR_IMAGE_COUNT
};

enum { VIEW_IMAGE_WIDTH = 16, VIEW_IMAGE_HEIGHT = 18, TOOLBAR_IMAGE_SIZE = 55 };
#endif
